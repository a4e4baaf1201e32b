#!/usr/bin/env bash
# Reads a few channels from the virtual radio into the main window under a virtual X server and
# saves a picture of the window. Usage: screenshot-main.sh BUILD_DIR [OUT.png]
set -euo pipefail
build=$(cd "${1:?usage: screenshot-main.sh BUILD_DIR [OUT.png]}" && pwd)
png=${2:-$build/main-window.png}
case "$png" in /*) ;; *) png="$PWD/$png" ;; esac
sim="$build/tools/radiosim/quorvan-radiosim"
app="$build/src/app/quorvan"
cli="$build/src/cli/quorvan-cli"

source "$(dirname "$0")/lib/seeded-radio.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$app" --port "$port" --screenshot "$png"
echo "$png"
