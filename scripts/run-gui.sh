#!/usr/bin/env bash
# Starts a GUI program, or explains what to do when there is no display to show it on.
set -euo pipefail
program="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
$(basename "$program") is a desktop program and needs a display, but none is set (DISPLAY is empty).
Run it on a desktop session, or inside a virtual X server:
    xvfb-run -a $program
MSG
  exit 1
fi
exec "$program"
