# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Everyday commands; everything else is plain CMake (see README.md).
.PHONY: demo test docs packages deps check

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

# The tree's hygiene: shell scripts, spelling, licensing, C++ formatting.
check:
	tools/install-deps check
	tools/check-hygiene

# The API references: build/docs/reference/<library>/html/ and <library>.qch.
docs: deps
	cmake --preset default -DUNIVERSE_GYRELLE_BUILD_DOCS=ON
	cmake --build --preset default --target docs

# Debian packages for /usr: the truck's and the Qt 5 widget's in
# build-package/packages/, the Qt 6 widget's in build-package-qt6/packages/;
# then all checked together. Built with Debian's compiler and linker flags,
# hardening on, as Debian's own packages are (CMake does not read CPPFLAGS).
packages: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
packages:
	tools/install-deps packaging
	cxxflags="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)"; \
	ldflags=$$(dpkg-buildflags --get LDFLAGS); \
	for preset in package package-qt6; do \
	  cmake --preset $$preset -DCMAKE_CXX_FLAGS="$$cxxflags" -DCMAKE_SHARED_LINKER_FLAGS="$$ldflags" \
	    -DCMAKE_MODULE_LINKER_FLAGS="$$ldflags" -DCMAKE_EXE_LINKER_FLAGS="$$ldflags" && \
	  cmake --build --preset $$preset && ctest --preset $$preset || exit 1; \
	done
	packaging/check-packages lib/$$(dpkg-architecture -qDEB_HOST_MULTIARCH) \
	  $$(dpkg-parsechangelog -l packaging/debian/changelog -S Version) \
	  build-package/packages build-package-qt6/packages
