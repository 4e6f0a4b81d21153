#!/usr/bin/env bash
# The main job on the bundled sample: builds the DejaVu sample CIDFont, imports it into a font
# folder once (later runs keep what was changed there), and opens it in the GUI, or prints its
# information where there is no display.
set -euo pipefail
build=${1:-build/release}
cli="$build/src/cli/sorvella-cli"
samples="$build/Samples"
folder="$samples/DejaVuSample"
index="$folder/DejaVuSample.sqf"

bash "$(dirname "$0")/make-sample.sh" "$samples"
if [ ! -s "$index" ]; then
  echo "Importing $samples/DejaVuSample.cid into $folder"
  "$cli" import --replace "$samples/DejaVuSample.cid" "$folder"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/app/sorvella" "$index"
fi
echo "No display: printing the font's information (sorvella-cli info) instead of opening it."
exec "$cli" info "$index"
