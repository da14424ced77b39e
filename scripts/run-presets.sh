#!/usr/bin/env bash
# Builds the Windows programs and starts presets.exe under Wine, in the given
# folder (default: the current one), where its run log and presets land.
# Needs an X display; without one it uses a virtual display nobody can see.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
folder=$(cd "${1:-.}" && pwd)
. "$root/scripts/common.sh"
build_windows >/dev/null
[ -n "${DISPLAY:-}" ] || echo "No DISPLAY is set: presets runs on a virtual display." >&2
start_display
cd "$folder"
exec "$root/scripts/wine-run.sh" "$root/build/windows/bin/presets.exe"
