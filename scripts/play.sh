#!/usr/bin/env bash
# Sets up, builds in Release and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "play: no display found (DISPLAY and WAYLAND_DISPLAY are not set): start the game from a desktop session." >&2
    exit 2
fi
scripts/setup-debian.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DNAMIYOSE_BUILD_TESTS=OFF -DNAMIYOSE_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target namiyose
exec build-release/bin/namiyose
