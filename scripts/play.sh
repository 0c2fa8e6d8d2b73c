#!/usr/bin/env bash
# Installs what is missing, builds the game, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUIBBLENT_BUILD_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/quibblent-dungeons
