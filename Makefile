# The two set-up commands are `make run` and `make test`; the rest serve development.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench package check-package lint clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/solvane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/run-benchmarks.sh $(BUILD)

# Hardening: the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the libFuzzer
# targets of the core (clang, from scripts/install-fuzz-deps.sh). The grown corpora stay in the build.
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer

.PHONY: test-sanitize fuzz

test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Fuzzes each target for FUZZ_SECONDS, then replays every kept input (a crash found fails there).
fuzz:
	@scripts/install-fuzz-deps.sh
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DSOLVANE_FUZZ=ON \
	    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	-@scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package (build/solvane_<version>_<arch>.deb), with the few extra tools it needs.
# Only the shipped programs are built: a test that does not compile yet holds up `make test`, not this.
package: configure
	@cmake --build $(BUILD) -j $(JOBS) --target solvane solvane-cli
	@scripts/install-package-deps.sh
	cd $(BUILD) && cpack -G DEB

check-package:
	scripts/check-package.sh $(BUILD)

# Format check over src/, tests/ and bench/; clang-tidy over src/ (reads the build's compile_commands.json).
lint: configure
	@scripts/install-lint-deps.sh
	scripts/lint.sh $(BUILD) $(JOBS)

clean:
	rm -rf $(BUILD)
