# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64):
#   cmake -S . -B build-mingw --toolchain cmake/mingw-w64-x86_64.cmake
# The POSIX thread model of the compiler, so that the standard library's threads are there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVAN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVAN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVAN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVAN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVAN_MINGW_PREFIX})
# Programs come from the build machine; headers and libraries only from the target's root.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
