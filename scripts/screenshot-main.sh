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
[ -n "$port" ] || { echo "screenshot-main.sh: the virtual radio did not start" >&2; exit 1; }

# Settings of their own, so the first-start dialog does not ask and the user's stay untouched.
mkdir -p "$work/config/QUENTAR" "$work/home"
printf '[General]\nType="KK,0F"\nModel=ARVEN\n' >"$work/config/QUENTAR/Quorvax.conf"
XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_DATA_HOME="$work/data" \
  xvfb-run -a -s "-screen 0 1024x768x24" "$app" --port "$port" --screenshot "$png"
echo "$png"
