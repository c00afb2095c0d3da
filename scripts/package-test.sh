#!/usr/bin/env bash
# Builds QAL's Debian package in the release build and checks it as a user's
# system would see it: unpacked into a temporary root, its programs answer
# with the project's version and compute a chart; its files, control fields,
# manual pages and completion are as intended; apt can resolve its
# dependencies; lintian, desktop-file-validate and appstreamcli find nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release
version=$(sed -n 's/^project(QAL VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="$build/qal_${version}_amd64.deb"
rm -f "$build"/qal_*.deb
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
[ -f "$deb" ] || { echo "no package $deb"; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
fail() { echo "package test: $*" >&2; exit 1; }

# The programs, from the unpacked root: one version, and a chart.
[ "$("$root/usr/bin/qal-cli" --version)" = "qal-cli $version" ] || fail "qal-cli --version"
[ "$("$root/usr/bin/qal" --version)" = "qal $version" ] || fail "qal --version"
"$root/usr/bin/qal-cli" chart 2018-03-05 14:30 +01:00 | grep -q "^Sun conjunct Neptune" || fail "qal-cli chart"
head -1 "$root/usr/share/qal/qal_help.txt" | grep -qx "QAL $version User Manual" || fail "the manual's first line"

# The files, and nothing else.
expected="usr/bin/qal
usr/bin/qal-cli
usr/share/applications/qal.desktop
usr/share/bash-completion/completions/qal-cli
usr/share/doc/qal/changelog.gz
usr/share/doc/qal/copyright
usr/share/icons/hicolor/128x128/apps/qal.png
usr/share/icons/hicolor/256x256/apps/qal.png
usr/share/icons/hicolor/48x48/apps/qal.png
usr/share/icons/hicolor/scalable/apps/qal.svg
usr/share/man/man1/qal-cli.1.gz
usr/share/man/man1/qal.1.gz
usr/share/metainfo/example.brenvale.qal.metainfo.xml
usr/share/qal/pluto.slx
usr/share/qal/qal.dat
usr/share/qal/qal_help.txt
usr/share/qal/qal_help_de.txt"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(echo "$expected" | LC_ALL=C sort)" ] || { diff <(echo "$expected" | LC_ALL=C sort) <(echo "$actual"); fail "file list"; }

# The control fields.
[ "$(dpkg-deb -f "$deb" Package Version Architecture Section | tr '\n' ' ')" = \
  "Package: qal Version: $version Architecture: amd64 Section: science " ] || fail "control fields"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in swe-basic-data fonts-dejavu-core qt6-qpa-plugins libswe2.0 libqt6widgets6 libqt6svg6 libical3; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
if [ "$(id -u)" -eq 0 ]; then
  apt-get install --simulate -qq "./$deb" > /dev/null || fail "apt cannot resolve the dependencies"
fi

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
[ "$(complete_line qal-cli '')" = "chart aspects find timemap --help --version" ] || fail "completion of the commands"
[ "$(complete_line qal-cli find grand-)" = "grand-trine grand-cross grand-sextile" ] || fail "completion of the patterns"

# The ecosystem's own checks.
lintian --fail-on error,warning "$deb" 2> /dev/null || fail "lintian"
desktop-file-validate "$root/usr/share/applications/qal.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.brenvale.qal.metainfo.xml" > /dev/null \
  || fail "appstreamcli validate"
echo "package test: $deb is good"
