#!/usr/bin/env bash
# Sets up, builds and starts Stelvar: the desktop program, or with "--cli" first the
# headless program (the other arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
if [ "${1:-}" = "--cli" ]; then
  shift
  cmake --build --preset release --target stelvar-cli
  exec build/release/stelvar-cli "$@"
fi
cmake --build --preset release --target stelvar
exec build/release/stelvar "$@"
