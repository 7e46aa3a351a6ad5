#!/usr/bin/env bash
# Sets everything up, then starts the dictionary.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh program
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Ordbok on a virtual screen (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x900x24" build/bin/ordbok
fi
exec build/bin/ordbok
