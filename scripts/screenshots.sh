#!/usr/bin/env bash
# Builds the release preset and saves screenshots of the desktop program into a folder:
# the main window with the design-conditions window, every results page after a run
# of the default wall, the wall figures of both wall types, every printed report page
# with its print preview, and a print-all of the default wall into 30_print_all.pdf
# (index.txt lists what each file shows); then every kind of dialog under openbox, in
# dialogs/.
#
# Usage: scripts/screenshots.sh [output folder]   (default: build/screenshots)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release --target stelvar-screenshots

if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "screenshots.sh: xvfb-run is needed (Debian package xvfb)" >&2
  exit 1
fi
# A fixed screen size, so the pictures are the same from one machine to the next.
xvfb-run -a -s "-screen 0 1280x1024x24" build/release/stelvar-screenshots "$out"
# Every kind of dialog as openbox stacks it over the windows that stay on top (the
# window-manager tests start their own Xvfb and openbox).
cmake --build --preset release --target wm_tests
STELVAR_WM_SHOTS="$out/dialogs" build/release/tests/wm_tests >/dev/null
echo "screenshots in $out (dialogs under a window manager in $out/dialogs)"
