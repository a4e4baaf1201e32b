#!/usr/bin/env bash
# Takes the pictures of docs/user-guide.md under a virtual X server: a virtual radio holding a
# few channels is read into the main window, which is then pictured on each page, together with
# the first-start dialog, the about box, the four channel editors (the memory editor on the
# repeater channel 001) and the sort dialog. Usage: guide-screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: guide-screenshots.sh BUILD_DIR [OUT_DIR]}" && pwd)
out=${2:-$root/docs/images}
mkdir -p "$out"
out=$(cd "$out" && pwd)
cmake --build "$build" --target quorvan quorvan-cli quorvan-radiosim quorvan-guide-shots -j2
sim="$build/tools/radiosim/quorvan-radiosim"
cli="$build/src/cli/quorvan-cli"
shots="$build/quorvan-guide-shots"

source "$(dirname "$0")/lib/seeded-radio.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$shots" "$out" "$port"
ls -l "$out"
