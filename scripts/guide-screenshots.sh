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

work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A radio holding a few named channels.
"$cli" new --type KK,0F --model ARVEN -o "$work/radio.qvx"
channels=$(printf '%s\n' \
  "000	00145500000	0	0	0	0	0	0	08	08	000	000600000	0	0				CALLING" \
  "001	00146940000	0	2	0	1	0	0	12	08	000	000600000	0	0				CLUB RPT" \
  "002	00446000000	0	0	0	0	0	0	08	08	000	005000000	0	1				SIMPLEX" \
  "003	00162550000	0	0	0	0	0	0	08	08	000	000000000	0	0				WX" |
  sed 's/$/\r/')
awk -v add="$channels" '{ print } /^__MEMORY DATA__/ { print add }' "$work/radio.qvx" \
  >"$work/seeded.qvx"

"$sim" --file "$work/seeded.qvx" >"$work/sim.out" 2>&1 &
sim_pid=$!
port=
for _ in $(seq 100); do
  port=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "guide-screenshots.sh: the virtual radio did not start" >&2; exit 1; }

# Settings of their own, so the user's stay untouched.
mkdir -p "$work/config/QUENTAR" "$work/home"
printf '[General]\nType="KK,0F"\nModel=ARVEN\n' >"$work/config/QUENTAR/Quorvax.conf"
XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_DATA_HOME="$work/data" \
  xvfb-run -a -s "-screen 0 1024x768x24" "$shots" "$out" "$port"
ls -l "$out"
