#!/usr/bin/env bash
# Builds Quorvane and starts it; an optional .qvn path is passed on to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
exec "$root/build/bin/quorvane" "$@"
