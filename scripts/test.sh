#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs what is missing, builds QAL and runs the whole test suite:
# first the normal build with a short run of the benchmarks and the check of
# its Debian package, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer with a few seconds of each fuzz target, and the
# core's and qal-cli's tests (where the work on several threads is) under
# ThreadSanitizer. Tests run offscreen with their own HOME and
# XDG folders, so a user's settings and files are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

sandbox="$(mktemp -d)"
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox"/{home,config,data,cache,runtime}
chmod 700 "$sandbox/runtime"
export HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" \
       XDG_CACHE_HOME="$sandbox/cache" XDG_RUNTIME_DIR="$sandbox/runtime" \
       QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC

echo "== licences: every file says its licence (REUSE)"
reuse lint > "$sandbox/reuse.txt" || { cat "$sandbox/reuse.txt"; exit 1; }
echo "== release build"
scripts/build.sh release
echo "== release tests"
ctest --test-dir build/release --output-on-failure -j "$(nproc)"
echo "== benchmarks, briefly (they must run and exit cleanly)"
build/release/qal-bench --benchmark_min_time=0.01 --benchmark_filter=-Century > "$sandbox/bench.txt"

echo "== the Debian source and binary packages (built by dpkg-buildpackage, unpacked, run, linted)"
scripts/package-test.sh

echo "== sanitizer build"
scripts/build.sh asan
echo "== sanitizer tests"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/asan --output-on-failure -j "$(nproc)"
echo "== fuzz targets, a few seconds each"
for target in text_table pluto_table date_set moments cli_args state_file places; do
  mkdir -p "$sandbox/corpus/$target"
  build/asan/fuzz_$target -max_total_time=3 -timeout=10 -print_final_stats=0 \
    "$sandbox/corpus/$target" "fuzz/corpus/$target" 2> "$sandbox/fuzz_$target.log" \
    || { tail -40 "$sandbox/fuzz_$target.log"; exit 1; }
done
echo "== thread sanitizer build (the core, qal-cli and their tests)"
scripts/build.sh tsan
echo "== thread sanitizer tests"
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir build/tsan --output-on-failure -j "$(nproc)"
echo "== all tests passed"
