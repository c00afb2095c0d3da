#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs the Debian 12 packages QAL needs to build, run and test.
# Fast when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkgconf clang libclang-rt-14-dev lld
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  libswe-dev swe-basic-data libical-dev libgeonames-dev
  lintian desktop-file-utils appstream bash-completion man-db
  debhelper dpkg-dev devscripts fakeroot xz-utils reuse
  libgtest-dev googletest libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
