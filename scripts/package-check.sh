#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, unpacks it into an empty folder and
# checks what a user would get: the files, the desktop entry, the software-centre metadata, the
# document type, the manual pages, the shell completion and that the programs start. With --install it also installs the package on this machine, runs the
# programs from /usr/bin and removes it again (needs root).
# Usage: package-check.sh BUILD_DIR [--install]
set -euo pipefail
usage="usage: package-check.sh BUILD_DIR [--install]"
build=$(cd "${1:?$usage}" && pwd)
install_too=${2:-}
[ -z "$install_too" ] || [ "$install_too" = --install ] || { echo "$usage" >&2; exit 2; }
[ -f "$build/CPackConfig.cmake" ] || { echo "package-check.sh: $build is not configured" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

# Only what the package holds is built; the tests are not needed for it.
targets=(quorvan quorvan-cli quorvan-radiosim quorvan_docs)
grep -q '^quorvan_icons:' <(cmake --build "$build" --target help 2>/dev/null | sed 's/ .*//') &&
  targets+=(quorvan_icons)
cmake --build "$build" --target "${targets[@]}" -j2 >"$work/build.log" 2>&1 ||
  { cat "$work/build.log" >&2; exit 1; }
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"

# The control fields.
info=$(dpkg-deb -f "$deb")
grep -qx 'Package: quorvan' <<<"$info" && pass "package name" || fail "package name"
grep -qx 'Section: hamradio' <<<"$info" && pass "section hamradio" || fail "section"
grep -q '^Depends:.*libqt6serialport6' <<<"$info" && pass "library dependencies found" ||
  fail "Depends lacks the Qt serial port library: $(grep '^Depends' <<<"$info")"
dpkg-deb -e "$deb" "$work/control"
scripts=$(ls "$work/control" | grep -Ev '^(control|md5sums|conffiles|shlibs|triggers)$' || true)
[ -z "$scripts" ] && pass "no maintainer scripts" || fail "maintainer scripts: $scripts"

# The files.
root="$work/root"
mkdir "$root"
dpkg-deb -x "$deb" "$root"
for file in \
  usr/bin/quorvan usr/bin/quorvan-cli usr/bin/quorvan-radiosim \
  usr/share/applications/org.quentar.quorvan.desktop \
  usr/share/metainfo/org.quentar.quorvan.metainfo.xml \
  usr/share/man/man1/quorvan.1 usr/share/man/man1/quorvan-cli.1 \
  usr/share/man/man1/quorvan-radiosim.1 \
  usr/share/bash-completion/completions/quorvan-cli \
  usr/share/mime/packages/quorvan.xml \
  usr/share/icons/hicolor/scalable/apps/quorvan.svg \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-quorvan-channels.svg \
  usr/share/icons/hicolor/48x48/apps/quorvan.png \
  usr/share/icons/hicolor/256x256/apps/quorvan.png \
  usr/share/icons/hicolor/48x48/mimetypes/application-x-quorvan-channels.png \
  usr/share/doc/quorvan/user-guide.md \
  usr/share/doc/quorvan/copyright \
  usr/share/quorvan/translations/quorvan_de.qm usr/share/quorvan/translations/quorvan_fr.qm \
  usr/share/quorvan/translations/quorvan_es.qm usr/share/quorvan/translations/quorvan_it.qm \
  usr/share/quorvan/translations/quorvan_ja.qm; do
  [ -f "$root/$file" ] && pass "/$file" || fail "/$file is missing"
done
grep -qx 'License: GPL-3+' "$root/usr/share/doc/quorvan/copyright" 2>/dev/null &&
  pass "copyright names GPL-3+" || fail "the copyright file does not name GPL-3+"
for image in $(grep -o 'images/[A-Za-z0-9._-]*\.png' "$root/usr/share/doc/quorvan/user-guide.md" |
  sort -u); do
  [ -f "$root/usr/share/doc/quorvan/$image" ] || fail "the guide's $image is missing"
done

# The desktop entry and the document type.
desktop="$root/usr/share/applications/org.quentar.quorvan.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" && pass "desktop entry validates" || fail "desktop entry"
else
  fail "desktop-file-validate is not installed (scripts/install-deps.sh)"
fi
grep -qx 'Exec=quorvan %f' "$desktop" && grep -qx 'MimeType=application/x-quorvan-channels;' \
  "$desktop" && pass "desktop entry opens channel files" || fail "desktop entry Exec/MimeType"
metainfo="$root/usr/share/metainfo/org.quentar.quorvan.metainfo.xml"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 &&
    pass "software-centre metadata validates" || { cat "$work/appstream.log" >&2; fail "metadata"; }
else
  fail "appstreamcli is not installed (scripts/install-deps.sh)"
fi
grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\"" "$metainfo" &&
  grep -q '<launchable type="desktop-id">org.quentar.quorvan.desktop</launchable>' "$metainfo" &&
  grep -q '<mediatype>application/x-quorvan-channels</mediatype>' "$metainfo" &&
  pass "metadata names the version, the desktop entry and the document type" ||
  fail "metadata release, launchable or mediatype"
mime="$root/usr/share/mime/packages/quorvan.xml"
xmllint --noout "$mime" && pass "MIME definition is well-formed" || fail "MIME XML"
grep -q 'type="application/x-quorvan-channels"' "$mime" && grep -q 'pattern="\*.qvx"' "$mime" &&
  grep -q 'value="QUENTAR Chanvault for DOVRA"' "$mime" &&
  pass "MIME type, glob and magic" || fail "MIME type, glob or magic"

# The manual pages render without a warning, and the completion is valid bash.
for page in quorvan quorvan-cli quorvan-radiosim; do
  file="$root/usr/share/man/man1/$page.1"
  warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) || warnings="man failed: $warnings"
  [ -z "$warnings" ] && pass "man -l $page.1" || fail "man -l $page.1: $warnings"
done
bash -n "$root/usr/share/bash-completion/completions/quorvan-cli" &&
  pass "bash completion parses" || fail "bash completion does not parse"

# The programs start from the unpacked tree.
export QT_QPA_PLATFORM=offscreen
version=$(sed -n 's/^Version: //p' <<<"$info")
run_programs() {
  local bin=$1
  local gui cli
  gui=$("$bin/quorvan" --version) || true
  cli=$("$bin/quorvan-cli" --version) || true
  [ "$gui" = "quorvan $version" ] && pass "$bin/quorvan --version: $gui" ||
    fail "$bin/quorvan --version gave \"$gui\", the package is $version"
  [ "$cli" = "quorvan-cli $version" ] && pass "$bin/quorvan-cli --version: $cli" ||
    fail "$bin/quorvan-cli --version gave \"$cli\""
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$bin/quorvan-cli" --help |
    grep -q '^usage: quorvan-cli' && pass "$bin/quorvan-cli --help" || fail "$bin/quorvan-cli --help"
  "$bin/quorvan" --help | grep -q '^usage: quorvan ' && pass "$bin/quorvan --help" ||
    fail "$bin/quorvan --help"
}
run_programs "$root/usr/bin"

if [ "$install_too" = --install ]; then
  if dpkg-query -W -f='${Status}' quorvan 2>/dev/null | grep -q 'install ok installed'; then
    fail "quorvan is already installed here; not touching it"
  else
    dpkg -i "$deb" >"$work/dpkg.log" 2>&1 && pass "dpkg -i" || { cat "$work/dpkg.log" >&2; fail "dpkg -i"; }
    run_programs /usr/bin
    # The trigger of the MIME database has turned the definition into the type's own file.
    [ -f /usr/share/mime/application/x-quorvan-channels.xml ] &&
      pass "MIME database knows the channel file" || fail "MIME database not updated"
    dpkg -r quorvan >"$work/dpkg-r.log" 2>&1 && pass "dpkg -r" || { cat "$work/dpkg-r.log" >&2; fail "dpkg -r"; }
    [ ! -e /usr/bin/quorvan ] && pass "removed" || fail "/usr/bin/quorvan is still there"
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "package-check: $failures failed" >&2
  exit 1
fi
echo "package-check: all passed"
