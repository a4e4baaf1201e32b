#!/usr/bin/env bash
# Builds the plain C++ core and the virtual radio's model for 64-bit Windows with Debian's
# MinGW-w64 (installed when missing), warnings as errors, after the check that keeps system
# headers in platform files. Nothing of it runs here; linking every object into one program
# shows that each call the core makes exists there.
#
#   scripts/cross-core.sh
#
# Environment: QUORVAN_CROSS_BUILD (build tree, default <repo>/build-mingw),
#              QUORVAN_CROSS_JOBS (build parallelism, default 2).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUORVAN_CROSS_BUILD:-$root/build-mingw}"
jobs="${QUORVAN_CROSS_JOBS:-2}"

bash "$root/scripts/check-platform-includes.sh" "$root"

bash "$root/scripts/install-deps.sh" g++-mingw-w64-x86-64 cmake ninja-build

cmake -S "$root" -B "$build" -G Ninja --toolchain "$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQUORVAN_WERROR=ON \
  -DQUORVAN_BUILD_GUI=OFF -DQUORVAN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs"
echo "cross build: the core and the virtual radio's model build for Windows ($build)"
