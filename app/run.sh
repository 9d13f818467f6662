#!/usr/bin/env bash
# Starts the program in a run folder of its own. Usage: run.sh BUILD_DIR RUN_DIR
set -euo pipefail
build=$1 run=$2
mkdir -p "$run"
cd "$run"
if [ -x "$build/tirel12" ]; then
  exec "$build/tirel12"
fi
# Until the window exists, show the default parameter set.
"$build/tirel12-cli" new --band 1 -o default.t12
exec "$build/tirel12-cli" show default.t12
