# SPDX-License-Identifier: MIT
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
# Release, warnings as errors, with a distribution's settings (the prefix
# /usr, the multiarch library folder, no run paths), staged with DESTDIR into
# $(BUILD_PACKAGE)/staging and checked as a Debian packager would
# (tests/install/check-distribution: check-prefix, the split into packages,
# lintian, the staged programs, find_package without the programs).
MULTIARCH ?= $(shell gcc -print-multiarch)
DISTRIBUTION_FLAGS = -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_LIBDIR=lib/$(MULTIARCH) -DCMAKE_SKIP_INSTALL_RPATH=ON
package: deps
	cmake --preset package -B $(BUILD_PACKAGE) $(DISTRIBUTION_FLAGS) $(CMAKE_FLAGS)
	cmake --build $(BUILD_PACKAGE) -j $(JOBS)
	rm -rf $(BUILD_PACKAGE)/staging
	DESTDIR=$(CURDIR)/$(BUILD_PACKAGE)/staging cmake --install $(BUILD_PACKAGE)
	tests/install/check-distribution $(BUILD_PACKAGE)/staging $(BUILD_PACKAGE) --source .

ci: fuzz package test-sanitize test

# Builds Quorvel and hrapp, creates the SQLite demo database and runs a few calls.
demo:
	scripts/demo

bench: build
	scripts/run-bench $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_PACKAGE) $(BUILD_FUZZ)
