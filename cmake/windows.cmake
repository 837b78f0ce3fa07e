# What a Windows build does differently, all in one place. It is built on
# Debian with mingw-w64 (the toolchain file beside this one) and its programs
# run under wine.

# The PE forms of the Linux build's hardening: address-space randomisation
# and no-execute data. The stack protector's runtime comes with the link.
add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--high-entropy-va)

# Main threads get as much stack as the engine's own threads
# (kStackBytes, engine/engine_stack.h) instead of 1 MB, so that even the
# deepest nesting stays on the thread that began it.
add_link_options(-Wl,--stack,16777216)

# Tests run under wine, one process a test program: wine starts in about a
# second, too slow for a process per test case.
set(VANTOR_TEST_PER_PROGRAM ON)

# The mathematics of the Linux build's C library, built for Windows by
# scripts/libm-windows.sh: mingw-w64's own loses digits (its sine is the x87
# instruction's). The import library stands after the engine and before the
# C runtime on every link, so that the engine's calls bind to it.
if(NOT VANTOR_LIBM_PREFIX)
  message(FATAL_ERROR "VANTOR_LIBM_PREFIX: give the prefix that scripts/libm-windows.sh prints")
endif()
set(CMAKE_CXX_STANDARD_LIBRARIES
    "\"${VANTOR_LIBM_PREFIX}/lib/libvantor-libm.dll.a\" ${CMAKE_CXX_STANDARD_LIBRARIES}")

# The DLLs a program needs beside it: the compiler's runtime, the
# mathematics, and what CMAKE_PREFIX_PATH brings (Qt).
set(VANTOR_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(path "${path}" REALPATH)
  list(APPEND VANTOR_RUNTIME_DLLS "${path}")
endforeach()
list(APPEND VANTOR_RUNTIME_DLLS "${VANTOR_LIBM_PREFIX}/bin/vantor-libm.dll")

# Programs of this build, the tests among them, run under wine through a
# script that shows them where their DLLs are, in a wine prefix of the build's own.
set(wine_path)
foreach(dll IN LISTS VANTOR_RUNTIME_DLLS)
  get_filename_component(directory "${dll}" DIRECTORY)
  list(APPEND wine_path "${directory}")
endforeach()
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
  list(APPEND wine_path "${prefix}/bin")
endforeach()
list(REMOVE_DUPLICATES wine_path)
set(VANTOR_WINE_PATH "${wine_path}") # wine's list separator is CMake's too
set(VANTOR_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
# The cache, and so the Debian 13 root, that this build is configured in, as
# scripts/cache.sh finds it: run-under-wine.sh enters that root from another
# system whatever HOME its caller has.
execute_process(COMMAND sh -c ". \"$0\" && printf %s \"$cache\"" ${PROJECT_SOURCE_DIR}/scripts/cache.sh
                OUTPUT_VARIABLE VANTOR_CACHE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh.in ${CMAKE_BINARY_DIR}/run-under-wine.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/run-under-wine.sh)

# Debian's Qt leaves the plugins' packages out of find_package(Qt6); the
# package installs the platform and style plugins by their targets.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)

# ---- The package: a portable zip and an installer (make windows-package) ----
include(${CMAKE_CURRENT_LIST_DIR}/windows-package.cmake)
