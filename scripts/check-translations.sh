#!/usr/bin/env bash
# Fails when a text of the window is missing from a shipped translation or left unfinished:
# lupdate is run over the sources into copies of translations/*.ts (the files themselves are
# not touched), and every text the copies hold unfinished is named with its context.
# With a folder, checks the .ts files there instead of translations/ (its own test does this).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sources="${1:-$root/translations}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/given" "$work/updated"
cp "$sources"/quorvan_*.ts "$work/given/"
# update-translations.sh takes its starting copies from translations/; give it ours.
TRANSLATIONS_FROM="$work/given" bash "$root/scripts/update-translations.sh" "$work/updated" \
  >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log" >&2; exit 2; }
python3 - "$work/given" "$work/updated" <<'PY'
import os, sys
import xml.etree.ElementTree as ET

given_dir, updated_dir = sys.argv[1], sys.argv[2]

def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            yield name, message

failures = 0
for ts in sorted(os.listdir(updated_dir)):
    given = {(c, m.findtext("source")) for c, m in messages(os.path.join(given_dir, ts))}
    for context, message in messages(os.path.join(updated_dir, ts)):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            continue
        texts = [f.text for f in translation.iter("numerusform")] or [translation.text]
        source = message.findtext("source")
        if kind == "unfinished" or not all(t for t in texts):
            state = "unfinished" if (context, source) in given else "missing"
            print(f"{ts}: {state}: [{context}] {source!r}")
            failures += 1
if failures:
    print(f"{failures} texts to translate; run scripts/update-translations.sh and translate "
          "them (Qt Linguist, or by hand)", file=sys.stderr)
    sys.exit(1)
PY
