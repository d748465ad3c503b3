# Quick start:  make run    builds and starts the launcher (hangar)
#               make test   builds and runs every test
# Both install the Debian packages they need first.
# Also:         make package      builds the Debian package (.deb) in the build folder
#               make screenshots  retakes the pictures of the windows in docs/screenshots
#               make windows-toolchain  prepares the Windows cross build and runs its smoke test
#               make windows      cross-builds hangar.exe and signal.exe (and the tests)
#               make test-windows  runs the tests of the Windows build under Wine
#               make package-windows    builds the Windows installer and portable zip (signed
#                                       with SIGN_PKCS12=... SIGN_PASSWORD_FILE=..., see below)
#               make test-package-windows  tests them under Wine

BUILD      ?= build
ASAN_BUILD ?= build-asan
WINDOWS_TOOLCHAIN_BUILD ?= build-windows-toolchain
WINDOWS_BUILD ?= build-windows
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
# Warnings stop the build here and in CI; a plain cmake build only reports them.
STRICT     := -DWARNINGS_AS_ERRORS=ON

.PHONY: all deps build run run-signal test test-asan package screenshots \
	windows-toolchain windows test-windows package-windows test-package-windows clean

all: build

deps:
	@sh scripts/install-deps.sh

# Configured on every build, so a build folder made before an option changed gets it too.
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/hangar/hangar

run-signal: build
	./$(BUILD)/signal/signal

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UBSan.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON $(STRICT) $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package (cmake/Packaging.cmake), written to the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

screenshots: build
	sh scripts/screenshots.sh $(BUILD) docs/screenshots

# The Windows toolchain: mingw-w64, Wine and wxWidgets for MSW, built once into a cache folder
# outside the repository (scripts/build-wx-msw.sh), proved by the smoke test in tests/windows.
windows-toolchain:
	@sh scripts/install-windows-deps.sh
	root=$$(sh scripts/build-wx-msw.sh) && \
	cmake -S tests/windows -B $(WINDOWS_TOOLCHAIN_BUILD) $(STRICT) \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DWX_MSW_ROOT="$$root"
	cmake --build $(WINDOWS_TOOLCHAIN_BUILD) -j $(JOBS)
	cd $(WINDOWS_TOOLCHAIN_BUILD) && \
		sh $(CURDIR)/tests/support/with-wine-prefix.sh ctest --output-on-failure -j $(JOBS)

# The programs for Windows in WINDOWS_BUILD: hangar.exe and signal.exe, statically linked (they
# need no DLL beyond Windows' own), with the test programs. The toolkit for MSW comes
# from the cache folder of scripts/build-wx-msw.sh (built there once).
windows:
	@sh scripts/install-windows-deps.sh
	root=$$(sh scripts/build-wx-msw.sh) && \
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
		-DWX_MSW_ROOT="$$root" -DCMAKE_BUILD_TYPE=Release $(STRICT) $(CMAKE_ARGS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The tests of the Windows build (make windows) under Wine: the windowless test programs, the GUI
# test programs and the console program driven through its windows. They share one Wine prefix
# and one display: the current one, or a private Xvfb server with a window manager when none is
# set (tests/support/with-wine-prefix.sh).
test-windows: windows
	cd $(WINDOWS_BUILD) && \
		sh $(CURDIR)/tests/support/with-wine-prefix.sh ctest --output-on-failure -j $(JOBS)

# The Windows installer and the portable zip (scripts/package-windows.sh), in WINDOWS_PACKAGE,
# made of the two programs HANGAR_EXE and SIGNAL_EXE. The version is the CMake project's.
PROJECT_VERSION := $(shell sed -n 's/^project.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
HANGAR_EXE ?= $(WINDOWS_BUILD)/hangar/hangar.exe
SIGNAL_EXE ?= $(WINDOWS_BUILD)/signal/signal.exe
WINDOWS_PACKAGE ?= $(WINDOWS_BUILD)/package

# Signed with a certificate when one is named, on the command line or in the environment
# (scripts/sign-windows.sh): SIGN_PKCS12=<file.p12> with SIGN_PASSWORD_FILE=<file> (or
# SIGN_PASSWORD), or SIGN_PKCS11_MODULE=<module.so> SIGN_PKCS11_KEY=<id> SIGN_PKCS11_CERT=<file or
# id>; SIGN_TIMESTAMP_URL=<url> adds a time stamp. Unsigned otherwise. (Make passes variables
# set on its command line on to the script's environment.)

package-windows: windows
	sh scripts/package-windows.sh $(PROJECT_VERSION) $(HANGAR_EXE) $(SIGNAL_EXE) $(WINDOWS_PACKAGE)

# Makes the packages and installs, starts and uninstalls them under Wine
# (tests/package/windows-installer-test.sh). signal shows two windows with its title, the main
# window and the connect dialog; the check needs one. The installed launcher starts the test
# build's stand-in server, and a test program presses its Launch! button. With
# SIGN_VERIFY_CERT=<certificate.pem> (and a certificate to sign with, see package-windows), the
# signatures are checked against that certificate.
SIGN_VERIFY_CERT ?=
test-package-windows: package-windows
	sh tests/package/windows-installer-test.sh $(WINDOWS_PACKAGE) $(PROJECT_VERSION) \
		"Iron Canopy™ Dedicated Server Launcher" "Iron Canopy Dedicated Server Remote" \
		$(WINDOWS_BUILD)/tests/standin/TROVServer.exe $(WINDOWS_BUILD)/tests/window_probe.exe \
		"$(SIGN_VERIFY_CERT)"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_TOOLCHAIN_BUILD) $(WINDOWS_BUILD)
