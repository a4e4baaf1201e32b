#!/usr/bin/env bash
# Installs what is missing, builds, starts the virtual radio on a pseudo-terminal and starts
# Quorvan with that port chosen, so a newcomer can read and write a "radio" at once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${QUORVAN_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"
if [ -x "$build/src/app/quorvan" ]; then
  exec bash scripts/demo.sh "$build"
fi
# Until the window exists the command-line tool is what there is to run.
"$build/src/cli/quorvan-cli" --help
