#!/usr/bin/env bash
# Builds what Quorvane needs to run (the editor, its helpers and the help book; not the tests)
# and starts it; an optional .qvn path is passed on to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" quorvane_program
echo "quorvane: starting $root/build/bin/quorvane" >&2
exec "$root/build/bin/quorvane" "$@"
