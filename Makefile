# The project's commands. See README.md.
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_PACKAGE ?= build-package
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build test test-sanitize fuzz package ci demo bench clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DQV_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Installs what is missing, builds, starts the test databases, runs every test, stops them.
test: build
	scripts/run-tests $(BUILD)

# The same under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DQV_WERROR=ON -DQV_SANITIZE=ON -DQV_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	scripts/run-tests $(BUILD_ASAN)

# Bounded fuzz runs of the parsers and text functions.
fuzz: deps
	scripts/run-fuzz

# A packager's build: without the tests (no GoogleTest or Benchmark needed),
# Release, warnings as errors, installed into $(BUILD_PACKAGE)/prefix.
package: deps
	cmake -S . -B $(BUILD_PACKAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_WERROR=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_PACKAGE) -j $(JOBS)
	rm -rf $(BUILD_PACKAGE)/prefix
	cmake --install $(BUILD_PACKAGE) --prefix $(BUILD_PACKAGE)/prefix

ci: fuzz package test-sanitize test

# Builds Quorvel and hrapp, creates the SQLite demo database and runs a few calls.
demo:
	scripts/demo

bench: build
	scripts/run-bench $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_PACKAGE)
