#!/usr/bin/env bash
# Sets up and runs every test on the offscreen platform.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cd "$QIMING_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
