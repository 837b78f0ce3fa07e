# The two commands of the README: `make run` and `make test`.
# Each installs the Debian packages that are missing, configures and builds in
# build/, then runs.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# What building and testing need on a fresh Debian 12.
PACKAGES := g++ make cmake libgtest-dev

.PHONY: run test build configure deps clean

run: build
	$(BUILD_DIR)/tools/vantor-eval

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

clean:
	rm -rf $(BUILD_DIR)
