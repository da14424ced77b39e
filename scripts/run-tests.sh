#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/common.sh"

echo "== Native build and tests"
build_native
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)"

echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
build_sanitized
ctest --test-dir "$root/build/sanitize" --output-on-failure -j "$(nproc)"

echo "== Windows builds, and their tests under Wine"
build_windows
start_display
ctest --test-dir "$root/build/windows" --output-on-failure
echo "Screenshots of the window: build/windows/artifacts/"

echo "== Fuzzing the settings reader and preset writer for 60 seconds"
run_fuzzer 60 2>&1 | grep -v '^#[0-9]' || { echo "The fuzzer found a failing input: see build/fuzz/artifacts"; exit 1; }
