# Sourced by the screenshot scripts: a virtual radio holding a few named channels, and settings
# of their own so the first-start dialog does not ask and the user's settings stay untouched.
# Needs $cli and $sim set; sets $work, $sim_pid and $port, and removes both on exit.

work=$(mktemp -d)
sim_pid=
cleanup_seeded_radio() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup_seeded_radio EXIT

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
[ -n "$port" ] || { echo "$(basename "$0"): the virtual radio did not start" >&2; exit 1; }

mkdir -p "$work/config/QUENTAR" "$work/home"
printf '[General]\nType="KK,0F"\nModel=ARVEN\n' >"$work/config/QUENTAR/Quorvax.conf"
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_DATA_HOME="$work/data"
