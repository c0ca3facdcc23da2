#!/usr/bin/env bash
# Sets up, builds and opens Vantor.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vantor_install
vantor_build dev
cd build/dev/bin
exec ./vantor
