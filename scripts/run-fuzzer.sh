#!/usr/bin/env bash
# Builds the fuzzer and runs it for the given number of seconds (default 600).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/common.sh"
build_sanitized >/dev/null
run_fuzzer "${1:-600}"
