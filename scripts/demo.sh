#!/usr/bin/env bash
# Starts the virtual radio on a pseudo-terminal and Quorvan with that port chosen for this run;
# the radio stops when the window closes. Usage: demo.sh BUILD_DIR [FILE.qvx]
set -euo pipefail
build=${1:?usage: demo.sh BUILD_DIR [FILE.qvx]}
shift
sim="$build/tools/radiosim/quorvan-radiosim"
app="$build/src/app/quorvan"
for program in "$sim" "$app"; do
  [ -x "$program" ] || { echo "demo.sh: $program is missing; build first" >&2; exit 1; }
done

out=$(mktemp)
"$sim" >"$out" 2>&1 &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$out"' EXIT
trap 'exit 130' INT TERM

# The radio prints its device path on its first line once it is listening.
port=
for _ in $(seq 100); do
  port=$(head -n 1 "$out" 2>/dev/null || true)
  [ -n "$port" ] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "demo.sh: the virtual radio did not start:" >&2
  cat "$out" >&2
  exit 1
fi
echo "Virtual radio on $port; use Radio > Read or Write in the window."
"$app" --port "$port" "$@"
