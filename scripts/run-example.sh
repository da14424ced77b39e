#!/usr/bin/env bash
# Builds kestrin and runs it on the sample recent-settings file in a scratch
# folder, then shows the run log and where the preset file is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/common.sh"
build_native >/dev/null

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kestrin-example-XXXXXX")
cp "$root/examples/vyr_recent.ini" "$scratch/"
cd "$scratch"
status=0
"$root/build/native/bin/kestrin" 2 vyr_recent.ini || status=$?
echo "Run log ($scratch/kestrin.log):"
tr -d '\r' < kestrin.log
echo
echo "Exit status: $status"
echo "Preset file: $scratch/vyrui_custompreset2.xml"
exit "$status"
