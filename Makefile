# Entry points of a new user: `make demo` and `make test` do all the set-up.
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=

.PHONY: all deps configure build asan demo test test-normal test-asan bench clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DYL_SANITIZE=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

demo: build
	./scripts/demo $(BUILD)

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DYL_BUILD_BENCH=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	./scripts/bench build-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench
