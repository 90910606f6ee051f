#!/usr/bin/env bash
# Sets up, builds everything and runs every test on the offscreen platform.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
qiming_setup
cd "$QIMING_BUILD"
# A test that hangs fails after its timeout; no tests at all is a failure, not a pass.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error --timeout 300 -j"$(nproc)"
