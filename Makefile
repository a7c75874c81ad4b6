# The two everyday commands; everything else is plain CMake (see README.md).
.PHONY: demo test deps

deps:
	tools/install-deps

demo: deps
	cmake --preset default
	cmake --build --preset default --target icecream-truck
	build/examples/icecream-truck/icecream-truck

test: deps
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
