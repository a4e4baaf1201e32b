#!/usr/bin/env bash
# Runs at_spi_walk.py against the accessibility tour on its own X server, session bus and
# accessibility bus. Exits 77 (skipped) only when one of those programs is not installed.
set -u
tour=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
missing=()
command -v xvfb-run >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus)
[ -x "$launcher" ] || missing+=(at-spi2-core)
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "skipped: not installed: ${missing[*]} (bash scripts/install-deps.sh)"
  exit 77
fi
if [ "${1:-}" = "--inside" ]; then shift; fi
if [ -z "${QUORVAN_AT_SPI_INSIDE:-}" ]; then
  export QUORVAN_AT_SPI_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- bash "$0" "$tour"
fi
"$launcher" --launch-immediately &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null' EXIT
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 GTK_MODULES=
# The tree is what is checked here; leaks are the other tests' to find, and the X and D-Bus
# libraries keep caches to the end.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
/usr/bin/python3 "$here/at_spi_walk.py" "$tour"
