# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Everyday commands; everything else is plain CMake (see README.md).
.PHONY: demo test test-on docs packages packages-reproducible deps check

SNAPSHOT := build/spinner-frames.png

deps:
	tools/install-deps

# The truck's run, then the spinner: in a window where there is a display,
# otherwise as a PNG of its frames.
demo: deps
	cmake --preset default
	cmake --build --preset default --target icecream-truck spinner-demo
	build/examples/icecream-truck/icecream-truck
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  build/examples/spinner-demo/spinner-demo; \
	else \
	  build/examples/spinner-demo/spinner-demo --snapshot $(SNAPSHOT); \
	fi

# Both variants of the widget: against Qt 5 (the default) and Qt 6.
test: deps
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
	cmake --preset qt6
	cmake --build --preset qt6
	ctest --preset qt6

# The README's commands (or TARGETS) on another Debian release, in a chroot
# of it, as a new user: make test-on DIST=trixie [TARGETS="test"] (as root).
DIST ?= trixie
TARGETS ?= demo test
test-on:
	tools/test-on '$(DIST)' $(TARGETS)

# The tree's hygiene: shell scripts, spelling, licensing, C++ formatting.
check:
	tools/install-deps check
	tools/check-hygiene

# The API references: build/docs/reference/<library>/html/ and <library>.qch.
docs: deps
	cmake --preset default -DUNIVERSE_GYRELLE_BUILD_DOCS=ON
	cmake --build --preset default --target docs

# Debian packages, built by dpkg-buildpackage from a copy of the tree in
# build-deb/source/: the .deb files land in build-deb/, then are checked.
# DEB_BUILD_OPTIONS=nocheck skips the tests of the package build.
packages:
	tools/install-deps packaging
	packaging/build-packages build-deb
	packaging/check-packages build-deb

# Builds the packages twice, in two folders, and compares them bit for bit.
packages-reproducible:
	tools/install-deps packaging
	packaging/check-reproducible build-reproducible
