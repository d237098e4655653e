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
# ninja re-runs the configuration by itself when a CMakeLists.txt changed.
steps=$(ninja -C "$build" -n "$@" | grep -c '^\[' || true)
if [ "$steps" -eq 0 ]; then
  say "nothing to build: ${*:-everything} is up to date"
else
  say "building $steps targets (${*:-everything})"
fi
cmake --build "$build" -j"$(nproc)" ${1+--target "$@"}
