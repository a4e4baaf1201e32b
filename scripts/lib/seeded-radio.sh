# Sourced by the screenshot scripts: a virtual radio serving the sample image (lib/sample-image.sh),
# and settings of their own so the first-start dialog does not ask and the user's settings stay
# untouched.
# Needs $cli and $sim set; sets $work, $sim_pid and $port, and removes both on exit.

work=$(mktemp -d)
sim_pid=
cleanup_seeded_radio() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup_seeded_radio EXIT

source "$(dirname "${BASH_SOURCE[0]}")/sample-image.sh"
write_sample_image "$cli" "$work/seeded.qvx"

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
