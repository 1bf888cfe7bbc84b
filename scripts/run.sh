#!/usr/bin/env bash
# Installs what is missing, builds, and runs the simulator with the given arguments.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/bin/plakko-sim "$@"
