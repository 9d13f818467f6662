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
# A simulated radio on COM1, unless config.ini points COM1 elsewhere (a real cable, say).
link="$run/radio-com1"
com1=$(grep -a '^COM1=' config.ini 2>/dev/null | head -n 1 | tr -d '\r' | cut -d= -f2- || true)
if { [ -z "$com1" ] || [ "$com1" = "$link" ]; } && [ -x "$build/tirel12-sim" ]; then
  "$build/tirel12-sim" --link "$link" >/dev/null &
  radio=$!
  trap 'kill $radio 2>/dev/null' EXIT
  if [ -z "$com1" ]; then
    if grep -qa '^\[Ports\]' config.ini 2>/dev/null; then
      sed -i "s|^\[Ports\]\r\?$|&\nCOM1=$link\r|" config.ini
    else
      printf '[Ports]\r\nCOM1=%s\r\n' "$link" >>config.ini
    fi
  fi
fi
"$build/tirel12"
