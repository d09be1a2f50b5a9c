#!/usr/bin/env bash
# Sets up, builds and runs Stelvar. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target stelvar-cli
exec build/release/stelvar-cli "$@"
