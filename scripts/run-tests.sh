#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/packages.sh"

build_native
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)"
