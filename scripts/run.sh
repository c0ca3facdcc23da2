#!/usr/bin/env bash
# Sets up, builds and opens Vantor: the program and its pictures, nothing
# else (scripts/test.sh builds the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vantor_install
vantor_build dev vantor
cd build/dev/bin
exec ./vantor
