# CMake toolchain file: 64-bit Windows programs built on Debian with
# mingw-w64 (the -posix compilers, whose C++ runtime has std::thread).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_PREFIX_PATH=<windows libraries> ...
# Libraries, headers and CMake packages are looked up only in the mingw-w64
# tree and in the prefixes given by CMAKE_PREFIX_PATH, never among the host's;
# programs (code generators) are looked up on the host. Built programs run
# under wine through the emulator that cmake/windows.cmake sets.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_AR ${MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Archive indexer")
set(CMAKE_STRIP ${MINGW_TRIPLET}-strip CACHE FILEPATH "Strip")

# Prefixes given on the command line hold Windows libraries too: they become
# roots of their own, so that the searches below, confined to the roots,
# still find their packages.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
    list(APPEND CMAKE_FIND_ROOT_PATH "${prefix}")
endforeach()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
