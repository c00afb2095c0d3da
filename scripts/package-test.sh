#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds QAL's Debian source and binary packages as Debian's tools do
# (scripts/package-build.sh) and checks them as a user's system would see
# them: unpacked into a temporary root, the programs answer with the version
# and the licence and compute a chart; the files, the control fields, the
# debug symbols, the manual pages and the completion are as intended; apt can
# resolve the dependencies; both programs are hardened; lintian (source and
# binaries), desktop-file-validate and appstreamcli find nothing. Building
# twice for reproducibility is scripts/package-reproducible.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts/package-build.sh "$work"
version=$(dpkg-parsechangelog -SVersion)
upstream=${version%-*}
deb="$work/qal_${version}_amd64.deb"
dbgsym="$work/qal-dbgsym_${version}_amd64.deb"
[ -f "$deb" ] && [ -f "$dbgsym" ] || { echo "package test: no package"; exit 1; }
fail() { echo "package test: $*" >&2; exit 1; }
root="$work/root"
dpkg -x "$deb" "$root"

# The programs, from the unpacked root: one version, the licence, a chart.
[ "$("$root/usr/bin/qal-cli" --version | head -1)" = "qal-cli $upstream" ] || fail "qal-cli --version"
[ "$("$root/usr/bin/qal" --version | head -1)" = "qal $upstream" ] || fail "qal --version"
for program in qal qal-cli; do
  grep -q "^License AGPL-3.0-or-later" <<< "$("$root/usr/bin/$program" --version)" || fail "$program --version: the licence"
done
grep -q "^Sun conjunct Neptune" <<< "$("$root/usr/bin/qal-cli" chart 2018-03-05 14:30 +01:00)" || fail "qal-cli chart"
# The atlas and the zone database the package depends on.
grep -q "^Ulm, Baden-Württemberg, Germany" <<< "$("$root/usr/bin/qal-cli" places Ulm)" || fail "qal-cli places"
dpkg-deb -f "$deb" Depends | grep -q "libgeonames0" || fail "the atlas' library among the dependencies"
head -1 "$root/usr/share/qal/qal_help.txt" | grep -qx "QAL $upstream User Manual" || fail "the manual's first line"

# The files, and nothing else.
id=example.brenvale.qal
expected="usr/bin/qal
usr/bin/qal-cli
usr/share/applications/$id.desktop
usr/share/bash-completion/completions/qal-cli
usr/share/doc/qal/NEWS.gz
usr/share/doc/qal/README.md.gz
usr/share/doc/qal/changelog.Debian.gz
usr/share/doc/qal/copyright
usr/share/doc/qal/qal-$upstream-source.tar.xz
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/qal-cli.1.gz
usr/share/man/man1/qal.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/qal/pluto.slx
usr/share/qal/qal.dat
usr/share/qal/qal_help.txt
usr/share/qal/qal_help_de.txt"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(echo "$expected" | LC_ALL=C sort)" ] || { diff <(echo "$expected" | LC_ALL=C sort) <(echo "$actual"); fail "file list"; }
# The source archive holds the source the programs were built from.
# (Listings are kept whole before they are searched: a search that stops at
# its first match would end the listing half-way.)
sources=$(tar -tJf "$root/usr/share/doc/qal/qal-$upstream-source.tar.xz")
grep -qx "qal-$upstream/src/app/main.cpp" <<< "$sources" || fail "the source archive"

# The control fields, and the debug symbols of both programs.
[ "$(dpkg-deb -f "$deb" Package Version Architecture Section | tr '\n' ' ')" = \
  "Package: qal Version: $version Architecture: amd64 Section: science " ] || fail "control fields"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in swe-basic-data fonts-dejavu-core qt6-qpa-plugins libswe2.0 libqt6widgets6 libqt6svg6 libical3; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
symbols=$(dpkg -c "$dbgsym")
for program in qal qal-cli; do
  build_id=$(readelf -n "$root/usr/bin/$program" | sed -n 's/.*Build ID: //p')
  grep -q "usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" <<< "$symbols" \
    || fail "no debug symbols of $program"
done
if [ "$(id -u)" -eq 0 ]; then
  apt-get install --simulate -qq "$deb" > /dev/null || fail "apt cannot resolve the dependencies"
fi

# Hardened: PIE, stack protector, fortified functions, read-only relocations
# and immediate binding in both programs. Control-flow protection is compiled
# in (every object carries its note), but Debian 12's own start files carry
# none, so no program linked on it shows the note (/usr/bin/ls neither):
# hardening-check's line for it is skipped, and the objects are checked.
for program in qal qal-cli; do
  hardening-check --nocfprotection --quiet "$work/qal-$upstream/debian/qal/usr/bin/$program" \
    || fail "hardening-check $program"
done
unmarked=$(find "$work/qal-$upstream"/obj-* -name '*.o' -path '*/src/*' \
  -exec sh -c 'readelf -n "$1" | grep -q "IBT, SHSTK" || echo "$1"' _ {} \;)
[ -z "$unmarked" ] || fail "objects without control-flow protection: $unmarked"

# Manual pages without warnings; completion of the commands and of find's patterns.
for page in qal qal-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 > /dev/null)
  [ -z "$warnings" ] || { echo "$warnings"; fail "manual page $page"; }
done
complete_line() {
  bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
           COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
           _qal_cli; echo "${COMPREPLY[*]}"' _ "$root/usr/share/bash-completion/completions/qal-cli" "$@"
}
[ "$(complete_line qal-cli '')" = "chart aspects events find timemap places --lang --quiet --help --version" ] \
  || fail "completion of the commands"
[ "$(complete_line qal-cli find grand-)" = "grand-trine grand-cross grand-sextile" ] || fail "completion of the patterns"

# The ecosystem's own checks: lintian on the source and the binaries.
lintian --fail-on error,warning "$work/qal_${version}.dsc" "$work/qal_${version}_amd64.changes" 2> /dev/null \
  || fail "lintian"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" > /dev/null || fail "appstreamcli validate"
echo "package test: $(basename "$deb") and its source package are good"
