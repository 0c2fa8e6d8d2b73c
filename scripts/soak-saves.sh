#!/usr/bin/env bash
# Plays many seeded runs that save often and loads every save back in a fresh
# console (the SaveReload test, soaked). Not part of CI: it takes minutes.
#   scripts/soak-saves.sh [SEEDS] [FIRST_SEED]
# Refused files are kept in soak-refused/ for a look at the line the reader
# turned down.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-tests}"
if [ ! -d "$build" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUIBBLENT_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target test_e2e quibblent-console
mkdir -p soak-refused
export ALSOFT_DRIVERS=null
export QUIBBLENT_SAVE_SOAK_SEEDS="${1:-200}"
export QUIBBLENT_SAVE_SOAK_FIRST_SEED="${2:-1}"
export QUIBBLENT_SAVE_SOAK_KEEP="$PWD/soak-refused"
"$build/bin/test_e2e" --gtest_filter='SaveReload.*'
