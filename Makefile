# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Everyday commands; everything else is plain CMake (see README.md).
.PHONY: demo test test-on docs packages packages-reproducible deps check dist source-package \
	packages-from-source autopkgtest

SNAPSHOT := build/spinner-frames.png

# DEPS: more groups of tools/install-deps, e.g. make test DEPS=ci (pyright too).
deps:
	tools/install-deps $(DEPS)

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

# The release tarball of the committed tree, the same bytes each time:
# build-dist/universe-gyrelle-<version>.tar.xz.
dist:
	packaging/make-dist build-dist

# The Debian source package of the committed tree in build-source/: that
# tarball as its .orig.tar.xz, the .dsc and .debian.tar.xz, lintian-checked.
source-package:
	tools/install-deps packaging
	packaging/build-source-package build-source

# That source package as a distribution builds it: unpacked by dpkg-source and
# built in build-source/packages/, then checked as make packages checks.
packages-from-source: source-package
	packaging/build-packages build-source/packages build-source/universe-gyrelle_*.dsc
	packaging/check-packages build-source/packages

# The as-installed tests of debian/tests (autopkgtest) against the packages of
# make packages, in a throw-away system of this release (as root).
autopkgtest:
	tools/install-deps packaging
	packaging/run-autopkgtest build-deb
