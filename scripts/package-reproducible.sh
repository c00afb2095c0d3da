#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds QAL's packages twice from the same source (scripts/package-build.sh)
# and checks that the two builds give byte-identical .deb files: everything
# in them is dated SOURCE_DATE_EPOCH (the Debian changelog's date), sorted,
# and free of build paths. With diffoscope installed, a difference is shown.
# Takes two package builds' time, so the test command leaves it to hand.
set -euo pipefail
cd "$(dirname "$0")/.."
first=$(mktemp -d) second=$(mktemp -d)
trap 'rm -rf "$first" "$second"' EXIT
scripts/package-build.sh "$first"
scripts/package-build.sh "$second"
status=0
for deb in "$first"/*.deb; do
  name=$(basename "$deb")
  if cmp -s "$deb" "$second/$name"; then
    echo "reproducible: $name"
  else
    echo "NOT reproducible: $name"
    command -v diffoscope > /dev/null && diffoscope "$deb" "$second/$name" | head -60
    status=1
  fi
done
exit $status
