# Front door of the project. `make play` and `make test` install what is
# missing, build, and then play or test.
BUILD ?= build
JOBS ?= $(shell nproc)
# Every build directory is configured with these too; CI adds
# -DVELVETARIUM_WERROR=ON so that no warning comes back.
CMAKE_FLAGS ?=

.PHONY: play test build deps configure clean package fuzz fuzz-build test-fuzz test-asan soak bench screenshots coverage balance

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/game && ./velvetarium

# Everything: the tests of the build, a short run of every fuzz target and
# the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-fuzz
	$(MAKE) test-asan

# The performance figures in one table (docs/PERFORMANCE.md keeps the
# latest): Google Benchmark cases of the simulation, frame times of the real
# game on a private Xvfb display, start-up, memory and the asset generator.
# Built in the game's own build type; never part of `make test`.
# BENCH_ARGS: e.g. --quick, --frames N, --benchmark_filter=...
BENCH_ARGS ?=
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target velvetarium-bench
	scripts/with-xvfb $(BUILD)/tests/bench/velvetarium-bench $(BENCH_ARGS)

# The balance of the city dances (docs/BALANCE.md): both bots play levels 1
# to 9 at every difficulty for seeds 1 to 5, ten simulated minutes at most.
# A subset: e.g. make balance SEEDS="1 2 3" BOTS=player (see scripts/balance).
balance: configure
	cmake --build $(BUILD) -j $(JOBS) --target velvetarium-sim
	JOBS=$(JOBS) scripts/balance $(BUILD)/velvetarium-sim docs/BALANCE.md

# The README's screenshots (docs/screenshots): the real game played by a
# script on a private Xvfb display, each picture a small PNG.
screenshots: build
	cmake --build $(BUILD) -j $(JOBS) --target velvetarium-shots
	scripts/take-screenshots $(BUILD) docs/screenshots

# libFuzzer targets (tests/fuzz), built with clang in a directory of their
# own. `make test` replays every seed and regression input through every
# target, then searches a fixed number of runs with a fixed seed: the same
# tree gives the same verdict everywhere. `make fuzz` is the open-ended
# search, FUZZ_SECONDS per target. Any crash, hang or leak fails, its input
# kept in $(FUZZ_BUILD)/findings/ (once fixed, it belongs in
# tests/fuzz/regressions/).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300

$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DVELVETARIUM_FUZZ=ON -DVELVETARIUM_TESTS=OFF $(CMAKE_FLAGS)

fuzz-build: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-fuzz: fuzz-build
	tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) check

# The whole test suite built with the sanitizers, in a directory of its own
# (with clang, which builds it in half the time g++ takes).
ASAN_BUILD ?= build-asan

$(ASAN_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -DVELVETARIUM_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	tests/sanitize/run-tests.sh $(ASAN_BUILD)

# The long soak: every scripted level at every difficulty with the random
# and the player bot, SOAK_MINUTES simulated minutes per level, invariants
# checked after every frame; in the build and again in the sanitizer build.
SOAK_MINUTES ?= 30

soak: configure $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target soak_runner
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target soak_runner
	tests/soak/soak.sh $(BUILD)/tests/soak_runner $$(( $(SOAK_MINUTES) * 60 ))
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 tests/soak/soak.sh $(ASAN_BUILD)/tests/soak_runner $$(( $(SOAK_MINUTES) * 60 ))

# Line coverage of src/ by the unit and gl tests: a Debug build with
# --coverage in a directory of its own, then one line per folder of src/ and
# the total (scripts/coverage-summary over gcovr's JSON summary).
COVERAGE_BUILD ?= build-coverage

$(COVERAGE_BUILD)/CMakeCache.txt:
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_C_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage $(CMAKE_FLAGS)

coverage: deps $(COVERAGE_BUILD)/CMakeCache.txt
	cmake --build $(COVERAGE_BUILD) -j $(JOBS) --target unit_tests gl_tests
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && ctest -L 'unit|gl' -j $(JOBS) --output-on-failure
	gcovr -r . --filter 'src/' --json-summary $(COVERAGE_BUILD)/coverage.json $(COVERAGE_BUILD)
	scripts/coverage-summary $(COVERAGE_BUILD)/coverage.json

# A Debian package (velvetarium_*.deb in $(PACKAGE_BUILD)), built for /usr
# in a build directory of its own, without the tests.
PACKAGE_BUILD ?= build-pkg
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DVELVETARIUM_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package
	@ls -1 $(PACKAGE_BUILD)/velvetarium_*.deb

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD) $(ASAN_BUILD) $(COVERAGE_BUILD)
