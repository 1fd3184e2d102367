# The commands a user types. Each installs missing Debian packages first.
.PHONY: all deps build test run clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev -j$$(nproc)

test: build
	ctest --preset dev -j$$(nproc)

# Until the desktop program exists: the example design on the command line.
run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: showing the example design on the command line."; \
	fi
	build/bin/dishwright-calc feet 0.4 4 2304

clean:
	rm -rf build build-asan build-release
