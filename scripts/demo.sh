#!/usr/bin/env bash
# Starts the virtual radio on a pseudo-terminal, holding the sample image the guide's pictures
# show (lib/sample-image.sh) and answering at the 9600 bit/s of a real radio, and Quorvan with
# that port chosen for this run; the radio stops when the window closes.
# QUORVAN_DEMO_UNPACED=1 lets the radio answer at once. Usage: demo.sh BUILD_DIR [FILE.qvx]
set -euo pipefail
build=${1:?usage: demo.sh BUILD_DIR [FILE.qvx]}
shift
sim="$build/tools/radiosim/quorvan-radiosim"
app="$build/src/app/quorvan"
cli="$build/src/cli/quorvan-cli"
for program in "$sim" "$app" "$cli"; do
  [ -x "$program" ] || { echo "demo.sh: $program is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d)
sim_pid=
trap '[ -z "$sim_pid" ] || { kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; } || true; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

source "$(dirname "$0")/lib/sample-image.sh"
write_sample_image "$cli" "$work/sample.qvx" >/dev/null
pacing=(--baud 9600)
[ "${QUORVAN_DEMO_UNPACED:-0}" = 1 ] && pacing=()
"$sim" --file "$work/sample.qvx" "${pacing[@]}" >"$work/sim.out" 2>&1 &
sim_pid=$!

# The radio prints its device path on its first line once it is listening.
port=
for _ in $(seq 100); do
  port=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
  [ -n "$port" ] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "demo.sh: the virtual radio did not start:" >&2
  cat "$work/sim.out" >&2
  exit 1
fi
if [ ${#pacing[@]} -gt 0 ]; then
  echo "Virtual radio on $port at 9600 bit/s: Radio > Read > All takes about as long as with a"
  echo "real radio (QUORVAN_DEMO_UNPACED=1 makes it answer at once)."
else
  echo "Virtual radio on $port, answering at once."
fi
"$app" --port "$port" "$@"
