#!/usr/bin/env bash
# Installs what is missing, builds QAL and runs the whole test suite:
# first the normal build, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer. Tests run offscreen with their own HOME and
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

for config in release asan; do
  echo "== $config build"
  scripts/build.sh "$config"
  echo "== $config tests"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "build/$config" --output-on-failure -j "$(nproc)"
done
