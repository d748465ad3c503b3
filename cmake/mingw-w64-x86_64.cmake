# Toolchain for the Windows build: 64-bit Windows programs made on Debian with mingw-w64 (the
# posix thread model, as the toolkit in the cache is built) and run under Wine. In a build folder
# of its own:
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake \
#         -DWX_MSW_ROOT="$(scripts/build-wx-msw.sh)"
#
# WX_MSW_ROOT (or the environment variable of that name) is the folder scripts/build-wx-msw.sh
# prints: wxWidgets for MSW as static libraries, and GoogleTest built for Windows. FindwxWidgets
# takes the flags from its wx-config, find_package(GTest) its CMake package.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_HOST}-windres)

if(NOT WX_MSW_ROOT AND DEFINED ENV{WX_MSW_ROOT})
    set(WX_MSW_ROOT "$ENV{WX_MSW_ROOT}")
endif()
if(NOT WX_MSW_ROOT OR NOT EXISTS "${WX_MSW_ROOT}/bin/wx-config")
    message(FATAL_ERROR "WX_MSW_ROOT must name the folder that scripts/build-wx-msw.sh prints "
                        "(got \"${WX_MSW_ROOT}\"): -DWX_MSW_ROOT=\"$(scripts/build-wx-msw.sh)\"")
endif()
set(WX_MSW_ROOT "${WX_MSW_ROOT}" CACHE PATH "wxWidgets for MSW and GoogleTest for Windows")
# The test projects of try_compile read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WX_MSW_ROOT)

# Headers, libraries and packages for Windows only; programs are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_HOST} "${WX_MSW_ROOT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The static MSW build's wx-config, not the system's GTK one.
set(wxWidgets_CONFIG_EXECUTABLE "${WX_MSW_ROOT}/bin/wx-config" CACHE FILEPATH "wx-config for MSW")
set(wxWidgets_USE_STATIC ON CACHE BOOL "Link wxWidgets statically")

# Programs that need no DLL beyond Windows' own: the C++ runtime, libgcc and winpthreads are
# linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest runs the .exe tests under Wine (in the run's prefix when with-wine-prefix.sh made one).
get_filename_component(_wine_run "${CMAKE_CURRENT_LIST_DIR}/../tests/support/wine-run.sh" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR sh "${_wine_run}")
