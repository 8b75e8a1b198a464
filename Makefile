# Front door of the suite: `make demo` and `make test`, then `make install` (and `make verify`,
# `make bench`, `make package`).  Each target builds only what it needs.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
DEMO_DIR   ?= demo-output
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps configure build test test-sanitize demo verify bench install uninstall package fuzz clean

all: build

# Debian packages the build needs: installed when run as root, named otherwise.
deps:
	@missing=""; \
	command -v cmake >/dev/null 2>&1 || missing="$$missing cmake"; \
	command -v g++ >/dev/null 2>&1 || missing="$$missing g++"; \
	command -v make >/dev/null 2>&1 || missing="$$missing make"; \
	[ -f /usr/include/gtest/gtest.h ] || missing="$$missing libgtest-dev"; \
	[ -f /usr/include/gmock/gmock.h ] || missing="$$missing libgmock-dev"; \
	[ -f /usr/include/benchmark/benchmark.h ] || missing="$$missing libbenchmark-dev"; \
	[ -f /usr/include/netcdf.h ] || missing="$$missing libnetcdf-dev"; \
	command -v ncdump >/dev/null 2>&1 || missing="$$missing netcdf-bin"; \
	command -v ninja >/dev/null 2>&1 || [ "$$(id -u)" != 0 ] || missing="$$missing ninja-build"; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Please install these Debian packages (as root: apt-get install$$missing)"; exit 1; \
	  fi; \
	fi

# A new build folder is generated for Ninja where it is installed (deps installs it as root): it
# starts far fewer processes than make for the same build.  A folder that exists keeps the
# generator it was made with, and CMAKE_GENERATOR in the environment has the last word.
generator = $(if $(wildcard $(1)/CMakeCache.txt)$(CMAKE_GENERATOR),,$(if $(shell command -v ninja),-G Ninja))

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(call generator,$(BUILD)) $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

# Programs, tools and tests; the benchmarks only for `make bench`.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The sanitizer build needs no debugging information beyond line numbers, and -O1 keeps the
# slow programs quick enough while compiling faster than -O2.  It compiles every file on its own
# (UNITY=OFF), so a file that compiles only after another's includes is found there.
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) $(call generator,$(SAN_BUILD)) -DSANITIZE=ON -DUNITY=OFF \
	  -DBUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1"
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Only the programs and tools the tour runs (the CMake target tour_programs lists them).
demo: configure
	cmake --build $(BUILD) -j $(JOBS) --target tour_programs
	@sh examples/demo.sh "$(CURDIR)/$(BUILD)/bin" "$(CURDIR)/$(DEMO_DIR)"

# The numerical routines against theory: one table, status 1 when a verdict fails, and the
# convergence studies drawn in $(VERIFY_PLOT).
VERIFY_PLOT ?= $(BUILD)/convergence.svg
verify: configure
	cmake --build $(BUILD) -j $(JOBS) --target verify
	$(BUILD)/bin/verify $(VERIFY_PLOT)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

# Every program and tool into $(DESTDIR)$(PREFIX)/bin under its installed name (factor as
# earth-factor: the base system has a factor of its own), its manual page into share/man/man1,
# the example inputs into share/doc/earthsuite/examples.  The files written are listed in
# $(BUILD)/install_manifest.txt and the folders created in $(BUILD)/install_folders.txt;
# `make uninstall` removes those files, then those folders where they are left empty (give it the
# same DESTDIR).
install: configure
	cmake --build $(BUILD) -j $(JOBS) --target suite
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" cmake -P cmake/uninstall.cmake $(BUILD)/install_manifest.txt

# A Debian package of the same files under /usr, binaries stripped, in $(BUILD)/package/ (CI
# checks it with lintian and installs it with dpkg).
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target suite
	cd $(BUILD) && cpack

# Each fuzz target for FUZZ_SECONDS (default 60) from its seed corpus in tests/fuzz/corpus, JOBS
# targets side by side.  Findings are written to $(FUZZ_BUILD)/findings/<target>/.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	cmake -S . -B $(FUZZ_BUILD) $(call generator,$(FUZZ_BUILD)) -DFUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@sh tests/fuzz/run_targets.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(DEMO_DIR)
