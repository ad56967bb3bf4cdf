# Front end for the CMake presets. `make run` builds and starts the program,
# `make test` builds and runs every test; both install what is missing first.
PRESET ?= dev
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-asan bench clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	build/$(PRESET)/src/startup/quadrix

test: build
	ctest --preset $(PRESET) -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target quadrix_bench
	build/release/bench/quadrix_bench

clean:
	rm -rf build
