#!/usr/bin/env bash
# Builds Quorvane and runs every test (tests that need a display start their own Xvfb).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
echo "quorvane: running $(ctest -N | sed -n 's/^Total Tests: //p') tests" >&2
ctest --output-on-failure -j2 --timeout 600
