#!/usr/bin/env bash
# Builds kestrin and prints its time and peak memory against input size.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/common.sh"
build_native >/dev/null
"$root/build/native/benchmarks/kestrin_benchmark"
