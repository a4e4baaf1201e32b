#!/usr/bin/env bash
# Brings translations/quorvan_*.ts up to date with the texts of the window's sources: new texts
# come in unfinished, texts no longer in the code are dropped. Translate the unfinished ones
# (Qt Linguist, or by hand), then `ctest -R translations_complete` tells whether any are left.
# quorvan-cli is left out on purpose: its output is read by scripts and stays English.
# With a folder (the check does this), writes copies of the .ts files there instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/translations}"
lupdate="${LUPDATE:-}"
if [ -z "$lupdate" ]; then
  for candidate in lupdate /usr/lib/qt6/bin/lupdate; do
    if command -v "$candidate" >/dev/null 2>&1; then lupdate="$candidate"; break; fi
  done
fi
[ -n "$lupdate" ] || { echo "lupdate not found (scripts/install-deps.sh installs it)" >&2; exit 2; }
mkdir -p "$out"
for language in de fr es it ja; do
  ts="$out/quorvan_$language.ts"
  from="${TRANSLATIONS_FROM:-$root/translations}/quorvan_$language.ts"
  if [ "$out" != "$(dirname "$from")" ] && [ -f "$from" ]; then cp "$from" "$ts"; fi
  # No line numbers in the files, so a change of the code alone does not change them.
  "$lupdate" -silent -no-obsolete -locations none -target-language "$language" \
    -I "$root/src" "$root/src/core" "$root/src/io" "$root/src/gui" "$root/src/app" -ts "$ts"
done
