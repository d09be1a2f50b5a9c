#!/usr/bin/env bash
# Sets up, builds and starts Stelvar: the desktop program, or with "--cli" first the
# headless program (the other arguments are passed on). Without a display the desktop
# program cannot open its window: the headless program then calculates the default
# conditions and writes their documents into the current folder.
set -euo pipefail
here="$PWD"
cd "$(dirname "$0")/.."
root="$PWD"
scripts/setup.sh
cmake --preset release >/dev/null
if [ "${1:-}" = "--cli" ]; then
  shift
  cmake --build --preset release --target stelvar-cli
  cd "$here"
  exec "$root/build/release/stelvar-cli" "$@"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "stelvar: no display to open the window on (DISPLAY is not set); calculating the default conditions with stelvar-cli instead (for the window: xvfb-run -a scripts/run.sh)"
  cmake --build --preset release --target stelvar-cli
  cd "$here"
  "$root/build/release/stelvar-cli" --txt "$here/擁壁.txt" --pdf "$here/擁壁計算結果.pdf"
  echo "stelvar: wrote $here/擁壁.txt and $here/擁壁計算結果.pdf"
  exit 0
fi
cmake --build --preset release --target stelvar
cd "$here"
exec "$root/build/release/stelvar" "$@"
