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

# Without a display, the example design on the command line instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  build/bin/dishwright; \
	else \
	  echo "No display found: here is the example design from dishwright-calc feet 0.4 4 2304."; \
	  build/bin/dishwright-calc feet 0.4 4 2304; \
	fi

clean:
	rm -rf build build-asan build-release
