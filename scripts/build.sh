#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Configures and builds QAL into build/<config> (default: release).
#   scripts/build.sh [release|asan|tsan]
# release: g++, optimised, with line tables for stack traces (-g1 builds
#          much faster than full debug information), hardened as Debian
#          builds its programs (fortified functions, read-only relocations).
# asan:    clang++, AddressSanitizer and UndefinedBehaviorSanitizer (line
#          tables for their reports), with the libFuzzer targets of fuzz/
#          (their coverage instrumentation too).
# tsan:    clang++, ThreadSanitizer, optimised a little; the core, qal-cli
#          and their tests only (what runs on several threads lives there).
# Both link with lld, which links the many test programs much faster.
set -euo pipefail
cd "$(dirname "$0")/.."
config="${1:-release}"
case "$config" in
  release) type=RelWithDebInfo; extra=(-DCMAKE_CXX_COMPILER=g++
                                       "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG -D_FORTIFY_SOURCE=2") ;;
  asan)    type=Debug; extra=(-DCMAKE_CXX_COMPILER=clang++ -DQAL_SANITIZE=ON -DQAL_FUZZ=ON -DQAL_BUILD_BENCH=OFF
                              "-DCMAKE_CXX_FLAGS_DEBUG=-g1") ;;
  tsan)    type=RelWithDebInfo; extra=(-DCMAKE_CXX_COMPILER=clang++ -DQAL_TSAN=ON -DQAL_BUILD_GUI=OFF
                                       -DQAL_BUILD_BENCH=OFF "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1") ;;
  *) echo "unknown configuration: $config" >&2; exit 2 ;;
esac
dir="build/$config"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${extra[@]}" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -Wl,-z,relro,-z,now" -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld
fi
cmake --build "$dir" -j "$(nproc)"
