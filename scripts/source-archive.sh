#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Packs the source tree into a reproducible archive:
#   scripts/source-archive.sh [--orig] SOURCE-DIR OUTPUT.tar.xz TOP-FOLDER-NAME
# Without --orig: the source the programs were built from, as the AGPL asks a
# binary's distributor to offer it (the package installs it), the README's
# pictures left out. With --orig: Debian's upstream tarball, everything but
# the debian/ folder. Always left out: what building leaves in the tree
# (build/, obj-*/, debian's work folders and stamps) and version control.
# Entries are sorted, owned by root and dated SOURCE_DATE_EPOCH (else the
# date of the Debian changelog), so that two runs give the same bytes.
set -euo pipefail
orig=false
if [ "${1:-}" = "--orig" ]; then orig=true; shift; fi
src=$1 out=$2 top=$3
mkdir -p "$(dirname "$out")"
cd "$src"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l debian/changelog -STimestamp 2>/dev/null || echo 0)
fi
list=$(mktemp)
trap 'rm -f "$list"' EXIT
skip=(-path ./docs/images)
$orig && skip=(-path ./debian)
find . \( -path ./.git -o -path ./build -o -path './obj-*' -o -path ./debian/.debhelper -o -path ./debian/tmp \
          -o -path ./debian/qal -o -path ./debian/qal-dbgsym -o -path ./debian/test-home -o -path ./.cache \
          -o -path ./.pc -o "${skip[@]}" \) -prune -o -type f \
     ! -path ./debian/files ! -path ./debian/debhelper-build-stamp ! -name '*.substvars' ! -name '*.debhelper.log' \
     -print | LC_ALL=C sort > "$list"
tar --no-recursion --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" --mode=go-w \
    --transform "s|^\./|$top/|" -cf - -T "$list" | xz -9 -T1 > "$out"
