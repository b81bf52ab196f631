#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tenterly.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tenterly
exec ./build/tenterly "$@"
