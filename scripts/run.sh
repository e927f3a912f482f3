#!/usr/bin/env bash
# Starts the desktop program from the build folder. Without a display it says so plainly.
set -euo pipefail
build=${1:-build}
shift || true
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Scleron is a desktop program and needs DISPLAY or WAYLAND_DISPLAY." >&2
  echo "Try: xvfb-run -a make run   (or run it on a desktop session)." >&2
  exit 0
fi
exec "$build/app/scleron" "$@"
