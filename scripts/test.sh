#!/usr/bin/env bash
# Sets up, builds and runs every test: the optimised build, then the same suites under
# AddressSanitizer + UndefinedBehaviorSanitizer. "--quick" skips the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

quick=0
[ "${1:-}" = "--quick" ] && quick=1

cmake --preset release
cmake --build --preset release
ctest --preset release

if [ $quick -eq 0 ]; then
  cmake --preset asan
  cmake --build --preset asan
  ctest --preset asan
fi
