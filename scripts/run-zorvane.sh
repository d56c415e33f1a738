#!/usr/bin/env bash
# Starts the built program; without a display it runs on a virtual one (Xvfb).
set -euo pipefail
program="${1:-build/zorvane}"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
exec xvfb-run -a -s "-screen 0 1600x1200x24" "$program"
