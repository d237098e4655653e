#!/usr/bin/env bash
# Makes sure the packages are there, configures build/ when it has not been, and builds the
# targets named (everything when none is named). Says what it is doing at each stage, so that a
# first run of several minutes does not look like a hang; the build's own progress follows.
#   scripts/build.sh [target ...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
say() { echo "quorvane: $*" >&2; }

say "checking the Debian packages (installing any that are missing)"
"$root/scripts/deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  say "configuring the build in build/"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# A dry run would stop at the help pages' folder check, which runs every time; so count what
# the targets take from scratch: what is up to date is skipped.
steps=$(ninja -C "$build" -t commands "$@" | wc -l)
say "building ${*:-everything}: $steps steps at most (what is up to date is skipped)"
cmake --build "$build" -j"$(nproc)" ${1+--target "$@"}
