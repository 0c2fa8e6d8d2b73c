#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DQUIBBLENT_SANITIZE=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
export ALSOFT_DRIVERS=null
xvfb-run -a ctest --test-dir build-tests --output-on-failure -j"$(nproc)"
