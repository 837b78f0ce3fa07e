# The two commands of the README: `make run` and `make test`.
# Each installs the Debian packages that are missing, configures and builds in
# build/, then runs: make run only what the window needs, make test everything.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# What building and running the window need on a fresh Debian 12 or 13: a
# compiler, CMake, Qt and a font to draw the window's text in. The lists name
# the release's own versions (clang's runtime too), so that one list serves both.
RUN_PACKAGES := g++ make cmake qt6-base-dev fonts-dejavu-core
# What the tests need besides: GoogleTest, clang for the fuzzer, valgrind, the
# desktop entry's and metadata's validators, and Unicode's data.
PACKAGES := $(RUN_PACKAGES) libgtest-dev clang libclang-rt-dev valgrind \
            desktop-file-utils appstream unicode-data
# What make screenshot needs besides: an X server of its own and a way to type into it.
SCREENSHOT_PACKAGES := xvfb xauth xdotool imagemagick
# What make test-accessibility needs besides: an X server, a D-Bus session
# with the accessibility bus and registry, and Python's bindings of their client.
ACCESSIBILITY_PACKAGES := xvfb dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0

SANITIZE_DIR ?= build-sanitize
BENCH_DIR    ?= $(BUILD_DIR)/release
# What make bench and the scripts beside it need besides.
BENCH_PACKAGES := libbenchmark-dev bc time xvfb xauth valgrind
PACKAGE_DIR  ?= $(BUILD_DIR)/package
SOURCE_PACKAGE_DIR ?= $(BUILD_DIR)/source-package
# What the packages' targets need besides: Debian's tools to build them and
# their checkers (the build's own dependencies are debian/control's).
PACKAGE_PACKAGES := dpkg-dev debhelper fakeroot file lintian devscripts blhc
FUZZ_SECONDS ?= 300
LINT_DIR     ?= build-lint
LINT_PACKAGES := clang-tidy
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENVIRONMENT := QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
                        LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
                        UBSAN_OPTIONS=print_stacktrace=1
MINUTES      ?= 30
SOAK_ARGUMENTS = --minutes $(MINUTES) $(if $(SEED),--seed $(SEED)) $(if $(EVENTS),--events $(EVENTS))

DEBIAN_RELEASE := $(shell . /etc/os-release 2>/dev/null && echo "$$VERSION_ID")
IN_DEBIAN_13   := $(if $(filter 13,$(DEBIAN_RELEASE)),yes)
# What needs Qt 6.8 on Linux, and so Debian 13; elsewhere it runs in a
# Debian 13 root, as the Windows build does (windows/windows.mk).
DEBIAN_13_TARGETS := test-accessibility

.PHONY: run test test-sanitize soak sanitize-configure lint fuzz bench package autopkgtest source-package test-package build configure deps run-deps screenshot architecture-picture clean \
        $(DEBIAN_13_TARGETS) build-vantor test-debian13

run: build-vantor
	$(BUILD_DIR)/app/vantor

# Only vantor and what it links. A build folder that make test configured
# keeps its tests and fuzzer; a new one is configured without them, so that
# GoogleTest and clang need not be there.
build-vantor: run-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	      $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DVANTOR_BUILD_TESTS=OFF -DVANTOR_FUZZ=OFF)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target vantor

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test again, with everything built under AddressSanitizer and
# UndefinedBehaviorSanitizer (the fuzzer and valgrind run in make test).
test-sanitize: sanitize-configure
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENVIRONMENT) \
	    ctest --output-on-failure -j $(JOBS) -E "engine_corpus_memcheck|vantor_eval_memcheck"

# The window under random events for MINUTES minutes, built with the
# sanitizers (tests/ui/soak.cpp). SEED=N sends a run's events again, and
# EVENTS=N ends it after N of them: what a failed run prints to replay it.
soak: sanitize-configure
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target soak
	$(SANITIZE_ENVIRONMENT) $(SANITIZE_DIR)/tests/ui/soak $(SOAK_ARGUMENTS)

sanitize-configure: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=OFF \
	      -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"

# Every function in engine/, ui/, app/ and tools/ at most 60 lines and of
# cognitive complexity at most 25 (.clang-tidy), over the compile database
# of a configured tree; a warning fails.
lint: deps
	@scripts/ensure-packages.sh $(LINT_PACKAGES)
	cmake -S . -B $(LINT_DIR) -DVANTOR_FUZZ=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	run-clang-tidy -quiet -p $(LINT_DIR) '^$(CURDIR)/(engine|ui|app|tools)/'

# The engine fuzzer for FUZZ_SECONDS; new inputs go to build/fuzz/corpus,
# findings to build/fuzz/findings, and a finding fails the target.
fuzz: build
	mkdir -p $(BUILD_DIR)/fuzz/corpus
	$(BUILD_DIR)/fuzz/engine_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=5 -print_final_stats=1 \
	    -dict=tests/fuzz/engine.dict -artifact_prefix=$(BUILD_DIR)/fuzz/findings/ \
	    $(BUILD_DIR)/fuzz/corpus tests/fuzz/corpus

# The engine's benchmarks in a Release build (medians of five runs, JSON in
# build/bench.json), then the longest texts, each in a process of its own.
# bench/vs-bc.sh and bench/startup.sh compare with bc and with a bare window.
bench: run-deps
	@scripts/ensure-packages.sh $(BENCH_PACKAGES)
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DVANTOR_BUILD_BENCH=ON -DVANTOR_BUILD_TESTS=OFF \
	      -DVANTOR_FUZZ=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
	    --benchmark_out=$(BUILD_DIR)/bench.json --benchmark_out_format=json
	bench/limits.sh $(BENCH_DIR)/tools/vantor-eval

# The Debian packages of this release, vantor and vantor-dbgsym, built by
# dpkg-buildpackage from debian/ with the tests (scripts/make-package.sh),
# under build/package, then checked (tests/package/check-package.sh).
package: run-deps
	@scripts/ensure-packages.sh $(PACKAGE_PACKAGES)
	scripts/make-package.sh binary $(PACKAGE_DIR) $(JOBS)
	tests/package/check-package.sh $(PACKAGE_DIR)/vantor_*.changes

# debian/tests against the package that make package made, with autopkgtest's
# null runner, in a root of this machine's release (scripts/debian-root.sh).
autopkgtest: package
	scripts/debian-root.sh $(DEBIAN_RELEASE) tests/package/autopkgtest.sh $(PACKAGE_DIR)

# The source package, under build/source-package: the .dsc, the orig tarball
# of what git holds, and the debian tarball; checked by lintian.
source-package:
	@scripts/ensure-packages.sh $(PACKAGE_PACKAGES)
	scripts/make-package.sh source $(SOURCE_PACKAGE_DIR)
	tests/package/check-package.sh $(SOURCE_PACKAGE_DIR)/vantor_*_source.changes

# The source package built twice from its .dsc, in build/package-a and
# build/package-b, and the .debs compared byte for byte.
test-package: source-package
	tests/package/reproducible-test.sh $(SOURCE_PACKAGE_DIR)/vantor_*.dsc \
	    $(BUILD_DIR)/package-a $(BUILD_DIR)/package-b $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# With the tests and the fuzzer, which a plain cmake leaves out: make test
# replays its seed corpus, make fuzz runs it.
configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVANTOR_BUILD_TESTS=ON -DVANTOR_FUZZ=ON

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

run-deps:
	@scripts/ensure-packages.sh $(RUN_PACKAGES)

# Pictures of the windows for the README, under docs/: at the usual scale,
# and at twice it, as on a high-dpi screen.
screenshot: build
	@scripts/ensure-packages.sh $(SCREENSHOT_PACKAGES)
	xvfb-run -a -s '-screen 0 1024x768x24' scripts/screenshot.sh $(BUILD_DIR)/app/vantor docs/vantor
	QT_SCALE_FACTOR=2 xvfb-run -a -s '-screen 0 1280x1024x24' \
	    scripts/screenshot.sh $(BUILD_DIR)/app/vantor docs/vantor-2x

# The picture of the modules in docs/architecture.md, drawn from its source.
architecture-picture:
	@scripts/ensure-packages.sh graphviz
	dot -Tsvg docs/architecture.dot -o docs/architecture.svg

ifeq ($(IN_DEBIAN_13),yes)
# What a screen reader receives (tests/ui/atspi_test.py): Vantor on a real
# accessibility bus, driven through it by a client as a reader's user would,
# with Qt 6.8, which carries announcements of results.
test-accessibility: build-vantor
	@scripts/ensure-packages.sh $(ACCESSIBILITY_PACKAGES)
	tests/ui/atspi_test.py $(BUILD_DIR)/app/vantor
endif

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-debian13 $(SANITIZE_DIR) $(WINDOWS_DIR) $(LINT_DIR)

# Debian 13 beside this machine's Debian 12, on a copy of the clone in the
# Debian 13 root: make test, Debian 13's own packages made, checked and made
# twice, and their autopkgtest (tests/package/debian13-test.sh).
test-debian13:
	tests/package/debian13-test.sh

# make windows and its neighbours.
include windows/windows.mk
