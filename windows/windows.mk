# The Windows build, included by the Makefile. It is cross-compiled in
# Debian 13 with its mingw-w64 against Qt 6.8 and runs under its wine 10.
# Elsewhere make runs itself again on the same target inside a Debian 13 root
# that debootstrap made (scripts/debian-root.sh), with a Linux build of its
# own, BUILD_DIR-debian13, for the host programs the tests use. Qt for Windows
# and the C library's mathematics, built from glibc's sources as a DLL since
# mingw-w64's lose digits, are built once into the cache (VANTOR_CACHE,
# default ~/.cache/vantor) by scripts/qt-windows.sh and scripts/libm-windows.sh,
# which hand their prefix back on descriptor 3, their standard output, for
# CMake. The tests are compiled with GoogleTest from its source (googletest).
WINDOWS_DIR      ?= build-windows
WINDOWS_TARGETS  := windows test-windows soak-windows windows-package test-windows-package screenshot-windows
DEBIAN_13_TARGETS += $(WINDOWS_TARGETS)
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix ninja-build wine wine64 qt6-base-dev-tools \
                    googletest dpkg-dev unicode-data
# What the package needs: makensis, zip, git for the last commit's date that
# every time in it is, and osslsigncode to sign it when a key is given.
WINDOWS_PACKAGE_PACKAGES := nsis zip git osslsigncode
# What trying the package needs besides: an X server of its own for the
# window, makensis for the older version it installs first, and openssl and
# osslsigncode for the throwaway key it signs with and the signatures' check.
WINDOWS_PACKAGE_TEST_PACKAGES := xvfb xauth xdotool nsis openssl osslsigncode

.PHONY: $(WINDOWS_TARGETS) windows-deps

ifeq ($(IN_DEBIAN_13),yes)
# vantor.exe, vantor-eval.exe and every test program, in $(WINDOWS_DIR).
# A Qt in another prefix (its recipe changed) is configured afresh: CMake
# keeps the Qt it found first.
windows: windows-deps
	qt=$$(scripts/qt-windows.sh) && libm=$$(scripts/libm-windows.sh) && \
	fresh=$$(grep -qsxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$$qt" $(WINDOWS_DIR)/CMakeCache.txt || echo --fresh) && \
	cmake $$fresh -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	      -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVANTOR_BUILD_UI=ON -DVANTOR_FUZZ=OFF \
	      -DCMAKE_PREFIX_PATH="$$qt" -DQT_HOST_PATH=/usr -DVANTOR_LIBM_PREFIX="$$libm" \
	      -DVANTOR_HOST_CLI_TESTS=$(CURDIR)/$(BUILD_DIR)/tests/cli/cli_tests
	cmake --build $(WINDOWS_DIR) -j $(JOBS)

# Every engine, command-line and window test under wine; the command-line
# tests are the host's program, run on vantor-eval.exe. Then the runner
# itself (tests/windows/runner-test.sh).
test-windows: windows configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target cli_tests
	$(WINDOWS_DIR)/run-under-wine.sh wineboot --init
	cd $(WINDOWS_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	tests/windows/runner-test.sh $(WINDOWS_DIR)

# The Windows build's windows under wine with the real platform plugin, on a
# desktop that gives it what Windows 10 and 11 give (scripts/wine-desktop.sh),
# at 100 % and at 150 %, and in Windows' dark mode, under docs/windows/. A
# window manager moves the windows: wine 10 does not follow a move that no
# window manager made.
screenshot-windows: windows
	@scripts/ensure-packages.sh $(SCREENSHOT_PACKAGES)
	scripts/wine-desktop.sh --window-manager $(WINDOWS_DIR)/wine-desktop-wm-96 96 \
	    scripts/screenshot.sh "$(WINDOWS_DIR)/run-under-wine.sh $(WINDOWS_DIR)/app/vantor.exe" docs/windows/vantor
	scripts/wine-desktop.sh --window-manager $(WINDOWS_DIR)/wine-desktop-wm-144 144 \
	    scripts/screenshot.sh "$(WINDOWS_DIR)/run-under-wine.sh $(WINDOWS_DIR)/app/vantor.exe" docs/windows/vantor-150 150
	scripts/wine-desktop.sh --window-manager --dark $(WINDOWS_DIR)/wine-desktop-wm-96 96 \
	    scripts/screenshot.sh "$(WINDOWS_DIR)/run-under-wine.sh $(WINDOWS_DIR)/app/vantor.exe" docs/windows/vantor-dark

# The soak of make soak, without the sanitizers, under wine with the windows
# platform plugin and its message boxes, on a desktop with a window manager.
soak-windows: windows
	scripts/wine-desktop.sh --window-manager $(WINDOWS_DIR)/wine-desktop-wm-96 96 \
	    $(WINDOWS_DIR)/run-under-wine.sh $(WINDOWS_DIR)/tests/ui/soak.exe $(SOAK_ARGUMENTS)

windows-deps:
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGES)

# The Windows package, in $(WINDOWS_DIR)/package: vantor-<version>-windows-x64.zip,
# a folder that runs where it is unpacked, and vantor-<version>-setup.exe,
# which installs it for one user, with their SHA256SUMS
# (cmake/windows-package.cmake). The programs are those make windows built,
# stripped as they are installed; the same build gives the same bytes, signed
# when VANTOR_SIGN_* give a key (windows/package/sign.sh).
windows-package: windows
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGE_PACKAGES)
	cmake --build $(WINDOWS_DIR) --target windows-package

# The package made again and compared byte for byte, a signed one made with a
# throwaway key, and the zip and the installer under wine, as a user would
# have them, in a wine prefix of their own (tests/windows/package-test.sh).
test-windows-package: windows-package
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGE_TEST_PACKAGES)
	tests/windows/package-test.sh $(WINDOWS_DIR)
else
# Every target that needs Debian 13, test-accessibility among them. The
# runner's test runs again from here, where the runner enters the root itself.
$(DEBIAN_13_TARGETS):
	scripts/debian-root.sh 13 $(MAKE) $@ BUILD_DIR=$(BUILD_DIR)-debian13
	$(AFTER_DEBIAN_13)
test-windows: AFTER_DEBIAN_13 = tests/windows/runner-test.sh $(WINDOWS_DIR)
endif
