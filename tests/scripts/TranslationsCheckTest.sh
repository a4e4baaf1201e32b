#!/usr/bin/env bash
# The translations check names what is missing and what is unfinished, and fails on either.
set -euo pipefail
check="$1"
root="$(cd "$(dirname "$check")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Each case: a change to the German file, and what the check must then say about it.
run_case() {
  local name="$1" edit="$2" expected="$3"
  rm -rf "$work/ts" && mkdir "$work/ts" && cp "$root"/translations/quorvan_*.ts "$work/ts/"
  python3 - "$work/ts/quorvan_de.ts" "$edit" <<'PY'
import sys, xml.etree.ElementTree as ET
path, edit = sys.argv[1], sys.argv[2]
tree = ET.parse(path)
for context in tree.getroot().iter("context"):
    if context.findtext("name") != "quorvan::TMainForm":
        continue
    for message in list(context.iter("message")):
        if message.findtext("source") != "&File":
            continue
        if edit == "unfinish":
            message.find("translation").set("type", "unfinished")
        elif edit == "empty":
            message.find("translation").text = None
        elif edit == "remove":
            context.remove(message)
tree.write(path, encoding="utf-8", xml_declaration=True)
PY
  local output rc=0
  output="$(bash "$check" "$work/ts" 2>&1)" || rc=$?
  [ "$rc" -eq 1 ] || fail "$name: the check ended with $rc, not 1"
  grep -qF "$expected" <<<"$output" || fail "$name: the check did not say: $expected"$'\n'"$output"
  [ "$(grep -c '^quorvan_' <<<"$output")" -eq 1 ] || fail "$name: more than one text named"$'\n'"$output"
}

run_case unfinished unfinish "quorvan_de.ts: unfinished: [quorvan::TMainForm] '&File'"
run_case empty empty "quorvan_de.ts: unfinished: [quorvan::TMainForm] '&File'"
run_case missing remove "quorvan_de.ts: missing: [quorvan::TMainForm] '&File'"
echo "ok"
