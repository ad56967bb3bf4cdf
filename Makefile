# Front end for the CMake presets. `make run` builds and starts the program,
# `make test` builds and runs every check CI runs; both install what is missing first.
PRESET ?= dev
JOBS ?= $(shell nproc)
# Seconds the fuzz targets of `make fuzz` run side by side: about three minutes of wall time.
FUZZ_SECONDS ?= 180

.PHONY: all deps deps-windows build run test test-tidy test-asan test-tsan test-windows windows fuzz package \
	package-check install bench clean

all: build

deps:
	@scripts/install-deps.sh

deps-windows:
	@scripts/install-deps.sh windows

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

# Only the program, so that the window comes up quickly on a fresh clone; the
# tests and benchmarks wait for `make build` or `make test`.
run: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS) --target quadrix
	build/$(PRESET)/src/startup/quadrix

# Everything: warnings as errors and clang-tidy, the suites, the validations of
# the desktop files and the install, the sanitizers, every fuzz target, the
# Debian package installed and started, and the Windows build with its suites
# under Wine.
test: test-tidy test-asan test-tsan fuzz package-check test-windows

test-tidy: deps
	cmake --preset tidy
	cmake --build --preset tidy -j $(JOBS)
	ctest --preset tidy -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The core's suites on its worker pool under ThreadSanitizer; no report is allowed.
test-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan -j $(JOBS)

# The Windows edition, cross-built with MinGW-w64 into build/windows: the
# program file quadrix.exe, its installer quadrix-<version>-setup.exe, the
# Qt-free suites and the window check.
windows: deps-windows
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

# The Qt-free suites under Wine (the slow ones left out), the window check of
# quadrix.exe and the installer check, each under Wine on a virtual display.
test-windows: windows
	ctest --preset windows -j $(JOBS)

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run_fuzzers.sh build/fuzz/fuzz fuzz/corpus $(FUZZ_SECONDS) number_text_fuzzer controller_fuzzer \
		stripe_engine_fuzzer shot_hit_counter_fuzzer

package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cd build/package && cpack

package-check: package
	scripts/check-package.sh build/package

# Installs into /usr/local, or wherever PREFIX says.
PREFIX ?= /usr/local
install: build
	cmake --install build/$(PRESET) --prefix $(PREFIX)

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target quadrix_bench
	build/release/bench/quadrix_bench

clean:
	rm -rf build
