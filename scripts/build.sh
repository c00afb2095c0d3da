#!/usr/bin/env bash
# Configures and builds QAL into build/<config> (default: release).
#   scripts/build.sh [release|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
config="${1:-release}"
case "$config" in
  release) type=RelWithDebInfo; extra=() ;;
  asan)    type=Debug; extra=(-DQAL_SANITIZE=ON) ;;
  *) echo "unknown configuration: $config" >&2; exit 2 ;;
esac
dir="build/$config"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${extra[@]}"
fi
cmake --build "$dir" -j "$(nproc)"
