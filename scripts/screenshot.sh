#!/usr/bin/env bash
# Remakes docs/screenshot.png: the bundled sample CID font in the main window, painted by the
# program itself under a virtual X display. Usage: screenshot.sh [BUILD_DIR] (default
# build/release, which must hold a built tree).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
cli="$build/src/cli/sorvella-cli"
samples="$build/Samples"

bash "$root/scripts/make-sample.sh" "$samples"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A fresh import, so that what was changed in the sample folder does not show.
"$cli" import --replace "$samples/DejaVuSample.cid" "$work/DejaVuSample" >/dev/null
mkdir -p "$root/docs"
SORVELLA_INI="$work/sorvella.ini" xvfb-run -a -s "-screen 0 1280x900x24" \
  "$build/src/app/sorvella" --page 1 --screenshot "$root/docs/screenshot.png" \
  "$work/DejaVuSample/DejaVuSample.sqf"
echo "wrote $root/docs/screenshot.png"
