# The project's commands. See README.md. Each build folder is configured
# with a preset of CMakePresets.json (dev, sanitize, package, fuzz), so that
# an IDE and CI configure the same way.
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_PACKAGE ?= build-package
BUILD_FUZZ ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build test test-sanitize fuzz package ci demo bench clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake --preset dev -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Installs what is missing, builds, starts the test databases, runs every test, stops them.
test: build
	scripts/run-tests $(BUILD)

# The same under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake --preset sanitize -B $(BUILD_ASAN) $(CMAKE_FLAGS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	scripts/run-tests $(BUILD_ASAN)

# Bounded fuzz runs of the parsers and text functions.
fuzz: deps
	BUILD_FUZZ=$(BUILD_FUZZ) scripts/run-fuzz

# A packager's build: without the tests (no GoogleTest or Benchmark needed),
# Release, warnings as errors, installed into $(BUILD_PACKAGE)/prefix and
# checked as a packager's tools would check it (tests/install/check-prefix).
package: deps
	cmake --preset package -B $(BUILD_PACKAGE) $(CMAKE_FLAGS)
	cmake --build $(BUILD_PACKAGE) -j $(JOBS)
	rm -rf $(BUILD_PACKAGE)/prefix
	cmake --install $(BUILD_PACKAGE) --prefix $(BUILD_PACKAGE)/prefix
	tests/install/check-prefix $(BUILD_PACKAGE)/prefix $(BUILD_PACKAGE) --source .

ci: fuzz package test-sanitize test

# Builds Quorvel and hrapp, creates the SQLite demo database and runs a few calls.
demo:
	scripts/demo

bench: build
	scripts/run-bench $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_PACKAGE) $(BUILD_FUZZ)
