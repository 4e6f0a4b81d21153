#!/usr/bin/env bash
# Starts the GUI on the bundled sample, or shows the batch tool's help where there is no display.
set -euo pipefail
build=${1:-build/release}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/app/sorvella"
fi
echo "No display: showing the batch tool instead (sorvella-cli --help)."
exec "$build/src/cli/sorvella-cli" --help
