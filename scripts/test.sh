#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
# Usage: scripts/test.sh [preset]   (dev by default; asan for the sanitizers)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
preset=${1:-dev}
vantor_install
vantor_build "$preset"
ctest --preset "$preset" -j2
