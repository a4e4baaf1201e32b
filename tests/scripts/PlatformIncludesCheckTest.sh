#!/usr/bin/env bash
# The platform includes check on a made-up tree: it names each stray system include, however
# it is spelt, and only those.
#   PlatformIncludesCheckTest.sh CHECK_SCRIPT
set -euo pipefail
check=${1:?usage: PlatformIncludesCheckTest.sh CHECK_SCRIPT}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/src/core/files "$tree"/src/core/platform/posix "$tree"/src/core/platform/windows \
  "$tree"/tools/sim "$tree"/tests

cat >"$tree/src/core/files/Clean.cpp" <<'CODE'
#include "core/platform/FileSystem.h"
#include <csignal>
#include <ctime>
#include <cstdio>
// #include <unistd.h> only said in a comment
#include "core/unistd_like.h"
CODE
cat >"$tree/src/core/platform/posix/FileSystemPosix.cpp" <<'CODE'
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
CODE
cat >"$tree/src/core/platform/windows/FileSystemWindows.cpp" <<'CODE'
#include <io.h>
#include <Windows.h>
CODE
cat >"$tree/tests/AnyTest.cpp" <<'CODE'
#include <unistd.h>
CODE

run() {
  set +e
  output=$(bash "$check" "$tree" 2>&1)
  status=$?
  set -e
}

run
[ "$status" -eq 0 ] || { echo "FAIL: a clean tree was refused:"; echo "$output"; exit 1; }

cat >"$tree/src/core/files/Stray.cpp" <<'CODE'
#include <unistd.h>
  #  include <sys/stat.h>
#include "fcntl.h"
#include <signal.h>
#include <csignal>
CODE
cat >"$tree/tools/sim/Line.h" <<'CODE'
#pragma once
#include <termios.h>
#include <WINDOWS.H>
CODE

run
expected='src/core/files/Stray.cpp:1:#include <unistd.h>
  a POSIX header outside a posix/ or windows/ folder
src/core/files/Stray.cpp:2:  #  include <sys/stat.h>
  a POSIX header outside a posix/ or windows/ folder
src/core/files/Stray.cpp:3:#include "fcntl.h"
  a POSIX header outside a posix/ or windows/ folder
src/core/files/Stray.cpp:4:#include <signal.h>
  a POSIX header outside a posix/ or windows/ folder
tools/sim/Line.h:2:#include <termios.h>
  a POSIX header outside a posix/ or windows/ folder
tools/sim/Line.h:3:#include <WINDOWS.H>
  a Windows header outside a posix/ or windows/ folder'
reported=$(grep -v '^Move the system' <<<"$output")
if [ "$status" -ne 1 ] || [ "$reported" != "$expected" ]; then
  echo "FAIL: status $status, reported:"
  echo "$output"
  echo "expected:"
  echo "$expected"
  exit 1
fi
echo "ok: the check names every stray include and nothing else"
