#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then the
# application's own self-test and one snapshot run, offscreen, with temporary
# settings, data and runtime folders and a fixed time zone.
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
ctest --test-dir build --output-on-failure -j"$(nproc)" | tee "$tmp/ctest.log"
ctest_count=$(sed -n 's/.* tests failed out of \([0-9][0-9]*\)$/\1/p' "$tmp/ctest.log" | tail -n 1)

# The application's own self-test, as a user runs it: every check passes.
# With the badge checks broken on purpose it must fail.
export TZ=UTC
status=0
out=$(env -u TL_SELFTEST_MUTATE -u TL_DATA_DIR ./build/tenterly --selftest) || status=$?
result=$(printf '%s\n' "$out" | tail -n 1)
if [ "$status" -ne 0 ] || ! [[ "$result" =~ ^RESULT:\ ALL\ [0-9]+\ CHECKS\ PASSED$ ]]; then
  printf '%s\n' "$out" | grep -v '^PASS  ' >&2
  echo "tenterly --selftest ended with status $status" >&2
  exit 1
fi
echo "tenterly --selftest: $result"
status=0
TL_SELFTEST_MUTATE=badge ./build/tenterly --selftest >/dev/null || status=$?
if [ "$status" -ne 1 ]; then
  echo "tenterly --selftest with TL_SELFTEST_MUTATE=badge ended with status $status, expected 1" >&2
  exit 1
fi
echo "tenterly --selftest with TL_SELFTEST_MUTATE=badge: fails as expected"

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

# Every test program and the three run-mode checks above.
echo "$((ctest_count + 3)) passed, 0 failed"
