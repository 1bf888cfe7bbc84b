#!/usr/bin/env bash
# Installs what is missing, then configures, builds and runs every test of one build preset
# (default: "default"; also "asan" and "tsan").
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
