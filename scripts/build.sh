#!/usr/bin/env bash
# Configures and builds QAL into build/<config> (default: release).
#   scripts/build.sh [release|asan]
# release: g++, optimised with debug information.
# asan:    clang++, AddressSanitizer and UndefinedBehaviorSanitizer, with the
#          libFuzzer targets of fuzz/ (their coverage instrumentation too).
set -euo pipefail
cd "$(dirname "$0")/.."
config="${1:-release}"
case "$config" in
  release) type=RelWithDebInfo; extra=(-DCMAKE_CXX_COMPILER=g++) ;;
  asan)    type=Debug; extra=(-DCMAKE_CXX_COMPILER=clang++ -DQAL_SANITIZE=ON -DQAL_FUZZ=ON -DQAL_BUILD_BENCH=OFF) ;;
  *) echo "unknown configuration: $config" >&2; exit 2 ;;
esac
dir="build/$config"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${extra[@]}"
fi
cmake --build "$dir" -j "$(nproc)"
