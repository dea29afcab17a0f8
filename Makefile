# Entry points of a new user: `make demo` and `make test` do all the set-up.
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
DEMO_BUILD ?= build-demo
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
DESTDIR ?=
PACKAGE_BUILD ?= build-package

.PHONY: all deps configure build asan demo test test-normal test-asan test-tsan install package bench fuzz clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DYL_SANITIZE=ON $(CMAKE_FLAGS)

# The programs and what an install puts beside them; the tests are built by
# `make test`.
PROGRAMS = yardledger yardledger-cli yardledger-sim yardledger_data

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# The demo needs the command line and the simulator alone: a Release build
# of just those, without the tests.
demo: deps
	cmake -S . -B $(DEMO_BUILD) -DCMAKE_BUILD_TYPE=Release -DYL_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(DEMO_BUILD) -j $(JOBS) --target yardledger-cli yardledger-sim
	./scripts/demo $(DEMO_BUILD)

test-normal: build
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

# The tests that run threads, under ThreadSanitizer (not part of `make test`):
# the read-ahead tests, then a simulated season compiled with four threads
# against one.
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYL_TSAN=ON $(CMAKE_FLAGS)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target yardledger_sim_tests yardledger-cli yardledger-sim
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
	  $(TSAN_BUILD)/tests/sim/yardledger_sim_tests --gtest_filter='*ReadAhead*'
	TSAN_OPTIONS="halt_on_error=1" ./scripts/check-jobs $(TSAN_BUILD) 200

# The programs, desktop entry, icon, metainfo and manual pages under PREFIX
# (DESTDIR, when given, is put before it, as packagers expect).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package from a Release build of its own: $(PACKAGE_BUILD)/yardledger_<version>_amd64.deb.
package:
	./scripts/install-deps dpkg-dev
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DYL_BUILD_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DYL_BUILD_BENCH=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS) --target yardledger-cli yardledger-sim yardledger_bench
	./scripts/install-deps time
	./scripts/bench-runs build-bench

# The libFuzzer targets: a clang build of their own, then each target runs for
# FUZZ_SECONDS (not part of `make test`).
fuzz:
	./scripts/install-deps clang libclang-rt-dev
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DYL_BUILD_FUZZ=ON -DYL_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	./scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(DEMO_BUILD) build-bench $(FUZZ_BUILD) $(PACKAGE_BUILD)
