# The two commands of the README: `make run` and `make test`.
# Each installs the Debian packages that are missing, configures and builds in
# build/, then runs.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# What building and testing need on a fresh Debian 12.
PACKAGES := g++ make cmake libgtest-dev qt6-base-dev fonts-dejavu-core
# What make screenshot needs besides: an X server of its own and a way to type into it.
SCREENSHOT_PACKAGES := xvfb xauth xdotool imagemagick

.PHONY: run test build configure deps screenshot clean

run: build
	$(BUILD_DIR)/app/vantor

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

# Pictures of the window for the README, under docs/.
screenshot: build
	@scripts/ensure-packages.sh $(SCREENSHOT_PACKAGES)
	xvfb-run -a -s '-screen 0 1024x768x24' scripts/screenshot.sh $(BUILD_DIR)/app/vantor docs/vantor

clean:
	rm -rf $(BUILD_DIR)
