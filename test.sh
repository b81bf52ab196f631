#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, offscreen,
# with temporary settings, data and runtime folders.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/config" "$tmp/data" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/runtime"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

# Snapshot mode: fifteen pictures and the sheet PDF into a temporary folder.
snapshot_rc=0
snapshot_out=$(TZ=UTC ./build/tenterly --tl-snapshot "$tmp/snapshot") || snapshot_rc=$?
snapshot_pngs=$(grep -cE '^wrote [0-9]{2}-[a-z0-9-]+\.png 1280x[0-9]+$' <<<"$snapshot_out" || true)
if [[ $snapshot_rc -ne 0 || $snapshot_pngs -ne 15 ]] || ! grep -qx 'wrote 14-sheet-CA.pdf (1 page)' <<<"$snapshot_out"; then
    printf '%s\n' "$snapshot_out"
    echo "snapshot mode: expected fifteen pictures, the sheet PDF and exit 0 (exit $snapshot_rc)" >&2
    exit 1
fi
echo "snapshot mode: fifteen pictures and the sheet PDF written"
