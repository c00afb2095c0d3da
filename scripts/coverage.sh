#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Line coverage of src/ by the whole test suite (clang's source-based
# coverage): builds build/coverage, runs every test there offscreen in a
# private home, and prints llvm-cov's report of src/ (the TOTAL line gives
# the figure). A HTML report goes to build/coverage/html.
#   scripts/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build/coverage
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DQAL_BUILD_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fprofile-instr-generate -fcoverage-mapping" "-DCMAKE_CXX_FLAGS_DEBUG=-O0" \
    -DCMAKE_EXE_LINKER_FLAGS="-fuse-ld=lld -fprofile-instr-generate"
fi
cmake --build "$dir" -j "$(nproc)"

sandbox="$(mktemp -d)"
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox"/{home,config,data,cache,runtime,profiles}
chmod 700 "$sandbox/runtime"
export HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" \
       XDG_CACHE_HOME="$sandbox/cache" XDG_RUNTIME_DIR="$sandbox/runtime" \
       QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC \
       LLVM_PROFILE_FILE="$sandbox/profiles/%p.profraw"
ctest --test-dir "$dir" -j "$(nproc)" > "$sandbox/ctest.log" || { tail -30 "$sandbox/ctest.log"; exit 1; }
llvm-profdata merge -sparse "$sandbox"/profiles/*.profraw -o "$dir/tests.profdata"
# The test programs CTest runs now (not stale ones of an earlier layout), and the tools they start.
objects=()
for exe in $(ctest --test-dir "$dir" --show-only=json-v1 | grep -o '"[^"]*/test_[a-z_]*"' | tr -d '"' | sort -u) \
           "$dir"/qal-cli "$dir"/qal-positions; do
  [ -x "$exe" ] && objects+=(-object "$exe")
done
llvm-cov report "${objects[@]:1}" -instr-profile="$dir/tests.profdata" "$PWD/src" | tail -1
llvm-cov show "${objects[@]:1}" -instr-profile="$dir/tests.profdata" -format=html -output-dir="$dir/html" "$PWD/src" >/dev/null
echo "HTML report: $dir/html/index.html"
