#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
# Usage: scripts/test.sh [preset]   (dev by default; asan for the sanitizers)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
preset=${1:-dev}
vantor_install
vantor_build "$preset"
# The longest tests start first and take up to half a minute each (a minute
# and more under the sanitizers) before CTest prints their result.
echo "Running the test suite: about half a minute on two cores, more under the sanitizers."
ctest --preset "$preset" -j2
