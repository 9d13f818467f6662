#!/usr/bin/env bash
# Starts the program in a run folder of its own. Usage: run.sh BUILD_DIR RUN_DIR
set -euo pipefail
build=$1 run=$2
mkdir -p "$run"
cd "$run"
if [ ! -x "$build/tirel12" ]; then
  echo "build/tirel12 is not built; run ./dev build" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display to show the window on." >&2
  if command -v xvfb-run >/dev/null; then
    echo "Start it on a virtual screen with:  (cd $run && xvfb-run -a $build/tirel12)" >&2
  else
    echo "Set DISPLAY, or install xvfb and start it with xvfb-run -a." >&2
  fi
  exit 1
fi
exec "$build/tirel12"
