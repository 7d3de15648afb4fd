#!/usr/bin/env bash
# Installs what is missing, builds VesmarkOpt and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset release >/dev/null
if grep -q '^VesmarkOpt:' <(cmake --build --preset release --target help 2>/dev/null | sed 's/ .*//'); then
  cmake --build --preset release --target VesmarkOpt vesmark-format
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "VesmarkOpt needs a graphical display and none is set (DISPLAY is empty); to try it under a virtual display run: xvfb-run -a bash scripts/run.sh" >&2
    exit 1
  fi
  exec build/release/app/VesmarkOpt
fi

# Until the dialog is built, show the formatter at work on the two default
# display formats of the settings file.
cmake --build --preset release --target vesmark-format
echo "Tool button format: $(build/release/cli/vesmark-format 'yyyy/mm/dd"("aaa") "hh:nn:ss')"
echo "Menu format:        $(build/release/cli/vesmark-format 'yyyy"年"mm"月"dd"日（"aaa"）"')"
