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

# The Debian package (build/solvane_<version>_<arch>.deb), with the few extra tools it needs.
# Only the shipped programs are built: a test that does not compile yet holds up `make test`, not this.
package: configure
	@cmake --build $(BUILD) -j $(JOBS) --target solvane solvane-cli
	@scripts/install-package-deps.sh
	cd $(BUILD) && cpack -G DEB

check-package:
	scripts/check-package.sh $(BUILD)

clean:
	rm -rf $(BUILD)
