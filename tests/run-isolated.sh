#!/usr/bin/env bash
# Runs one test program with its own settings, data and runtime folders, so
# tests never see each other's files or the user's own.
set -u
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/data" "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime"
export TMPDIR="$home/tmp"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
unset TL_DATA_DIR TL_MYLIST_PATH TL_MONEY_PATH TL_SELFTEST_MUTATE
"$@"
