#!/usr/bin/env bash
# Builds the simulator and makes the README's screenshots anew in docs/, each by a headless run
# on a fresh iPhone 5 with iOS 7: the lock screen with a note typed into, the Plakko settings
# pane, and a colour being picked on the note colour pane's wheel.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
sim=build/default/bin/plakko-sim
docs=$PWD/docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {
    local name=$1
    shift
    mkdir -p "$work/$name"
    cat >"$work/$name.txt"
    "$sim" "$@" --device iphone5 --ios 7.0.4 --root "$work/$name" --headless --script "$work/$name.txt"
}

run lock <<SCRIPT
wait 1
tap 100 200
type "Milk, eggs, bread"
key return
type "Call Anna at six"
tap 17 117
wait 1
screenshot "$docs/lock-screen.png"
SCRIPT

run settings settings <<SCRIPT
tap-row Plakko
wait 0.6
screenshot "$docs/settings-plakko.png"
SCRIPT

run colour settings <<SCRIPT
tap-row Plakko
wait 0.6
tap-row "Choose Note Colour"
wait 0.6
drag 160 380 160 80
wait 0.5
touch-down 161 323
touch-move 90 230 0.3 10
wait 0.5
screenshot "$docs/settings-color.png"
SCRIPT
echo "Screenshots written to $docs/"
