# The commands a user types. Each installs missing Debian packages first.
.PHONY: all deps build test run clean bench fuzz

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

# Start-up, screen loads, long listings and memory, then the builder's tools,
# printed as a table.
bench: build
	cmake --build --preset dev --target dishwright-bench dishwright-template-bench \
	  dishwright-tools-bench
	scripts/bench

# libFuzzer targets for the calculation core (clang 14), 60 seconds each;
# installs clang-14 and libclang-rt-14-dev when missing.
fuzz:
	fuzz/run 60

clean:
	rm -rf build build-asan build-release build-fuzz
