# Everyday commands; everything else is plain CMake (see README.md).
.PHONY: demo test packages deps

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

# Debian packages in build-package/packages/, built for /usr and checked.
packages:
	tools/install-deps packaging
	cmake --preset package
	cmake --build --preset package
	ctest --preset package
