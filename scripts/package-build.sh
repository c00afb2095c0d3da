#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds QAL's Debian packages as Debian's own tools do, from a copy of the
# source in WORK-DIR: the upstream tarball (scripts/source-archive.sh
# --orig), the source package (dpkg-buildpackage -S) and the binary packages
# (dpkg-buildpackage -b) with their -dbgsym. The results stay in WORK-DIR.
#   scripts/package-build.sh WORK-DIR [--with-tests]
# Without --with-tests the package's test suite is not run (nocheck): the test
# command has run it already.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(realpath -m "$1")
options="parallel=$(nproc)"
[ "${2:-}" = "--with-tests" ] || options="nocheck $options"
version=$(dpkg-parsechangelog -SVersion)
upstream=${version%-*}
tree="$work/qal-$upstream"
rm -rf "$tree"
mkdir -p "$tree"

# The source as it stands (committed or not), without what builds leave.
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard | xargs -0 -I{} cp --parents -P {} "$tree"/
else
  tar --exclude=./build --exclude='./obj-*' -cf - . | tar -xf - -C "$tree"
fi
scripts/source-archive.sh --orig "$tree" "$work/qal_$upstream.orig.tar.xz" "qal-$upstream"

cd "$tree"
dpkg-buildpackage -S -us -uc -d > "$work/source-build.log" 2>&1 \
  || { tail -40 "$work/source-build.log"; exit 1; }
DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -b -us -uc > "$work/binary-build.log" 2>&1 \
  || { tail -60 "$work/binary-build.log"; exit 1; }
echo "package build: $(cd "$work" && ls ./*.deb ./*.dsc | tr '\n' ' ')"
