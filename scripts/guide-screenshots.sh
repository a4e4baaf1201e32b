#!/usr/bin/env bash
# Takes the pictures of docs/user-guide.md under a virtual X server: the virtual radio serving
# the sample image (lib/sample-image.sh) is read into the main window, which is then pictured on
# each page with its tool bar, together with the first-start dialog, the about box, the channel
# editors on the main kinds of channel, the sort dialog, a CSV import report, the help window,
# the View menu, the history of the radio after two writes of changes and the first page of the
# printout. Usage: guide-screenshots.sh BUILD_DIR [OUT_DIR]
# With LANGUAGES="de fr es it ja", the window's pictures are taken in each of those languages
# too, into OUT_DIR/LANGUAGE (the printout stays English, as it prints).
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
# A history for the history window: a read, then two writes of changes to the virtual radio.
"$cli" read --port "$port" --quiet -o "$work/history-0.qvx"
"$cli" set "$work/history-0.qvx" --slots 30 --freq 146.76 --shift minus --name HILLTOP \
  -o "$work/history-1.qvx" >/dev/null
"$cli" write --port "$port" --changes --quiet "$work/history-1.qvx" 2>/dev/null
"$cli" set "$work/history-1.qvx" --slots 31,32 --freq 145.01 --name PACKET \
  -o "$work/history-2.qvx" >/dev/null
"$cli" write --port "$port" --changes --quiet "$work/history-2.qvx" 2>/dev/null
LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" "$shots" "$out" "$port" \
  "$root/docs/user-guide.md"
for language in ${LANGUAGES:-}; do
  mkdir -p "$out/$language"
  LC_ALL="$language.UTF-8" LANGUAGE="$language" xvfb-run -a -s "-screen 0 1024x768x24" \
    "$shots" "$out/$language" "$port" "$root/docs/user-guide.md"
  rm -f "$out/$language/printout.pdf"
done
# The printout's first page, at a size the guide shows whole.
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$out/printout.pdf" "$out/printout"
rm -f "$out/printout.pdf"
ls -l "$out"
