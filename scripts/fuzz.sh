#!/usr/bin/env bash
# Builds the libFuzzer targets (build-fuzz, clang) and runs each one for SECONDS_PER_TARGET
# seconds on a copy of its seed corpus, one after another. Any crash, leak, timeout or
# sanitizer report makes the script exit non-zero and print the reproducer's path.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET]      (default 30)
#
# Environment: QUORVAN_FUZZ_BUILD (build tree, default <repo>/build-fuzz),
#              QUORVAN_FUZZ_JOBS (build parallelism, default 2),
#              QUORVAN_FUZZ_WORK (where corpora and reproducers go, default a new temp dir).
set -euo pipefail

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 [SECONDS_PER_TARGET]" >&2
  exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUORVAN_FUZZ_BUILD:-$root/build-fuzz}"
jobs="${QUORVAN_FUZZ_JOBS:-2}"
if [ -n "${QUORVAN_FUZZ_WORK:-}" ]; then
  work="$QUORVAN_FUZZ_WORK"
  own_work=0
else
  work="$(mktemp -d "${TMPDIR:-/tmp}/quorvan-fuzz.XXXXXX")"
  own_work=1
fi

generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DQUORVAN_FUZZ=ON -DQUORVAN_WERROR=ON -DQUORVAN_BUILD_GUI=OFF -DQUORVAN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quorvan_fuzzers -j "$jobs"

# Target and the longest input worth trying: a whole read conversation is about 30 KiB, a
# channel file about 40 KiB, a channel list of every memory channel about 40 KiB; the trace
# takes a conversation's worth in pieces; the others take a few texts (a backups folder, a few
# dozen names).
targets=(
  "fuzz_channel_file 65536"
  "fuzz_read_sequence 65536"
  "fuzz_write_identification 8192"
  "fuzz_paste 512"
  "fuzz_settings_load 8192"
  "fuzz_frequency_parsers 128"
  "fuzz_csv_import 65536"
  "fuzz_transfer_trace 16384"
  "fuzz_backup_names 4096"
)

failed=0
for entry in "${targets[@]}"; do
  read -r target maxlen <<<"$entry"
  corpus="$work/$target/corpus"
  artifacts="$work/$target/artifacts/"
  mkdir -p "$corpus" "$artifacts"
  cp -R "$root/fuzz/corpus/$target/." "$corpus/"
  log="$work/$target/log.txt"

  echo "== $target (${seconds}s, max_len $maxlen)"
  status=0
  "$build/fuzz/$target" "$corpus" \
    -max_total_time="$seconds" -max_len="$maxlen" -timeout=25 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts" >"$log" 2>&1 || status=$?

  grep -E '^stat::number_of_executed_units' "$log" || true
  if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    failed=1
    echo "FAILED: $target (exit $status); log: $log"
    grep -E 'fuzz check failed|ERROR:|runtime error:|SUMMARY:' "$log" | head -5 || true
    for reproducer in "$artifacts"*; do
      [ -e "$reproducer" ] && echo "reproducer: $reproducer (run: $build/fuzz/$target $reproducer)"
    done
  fi
done

if [ "$failed" -ne 0 ]; then
  echo "fuzzing found faults; work folder kept: $work"
  exit 1
fi
echo "all fuzzers clean"
if [ "$own_work" -eq 1 ]; then rm -rf "$work"; fi
