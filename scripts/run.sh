#!/usr/bin/env bash
# Installs what is missing, builds QAL and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
exec build/release/qal "$@"
