#!/usr/bin/env bash
# Builds Quorvane with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/
# and runs every test there. Any report fails the run, except the two known ones from the
# platform's libraries listed in scripts/sanitizers/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-sanitize"
"$root/scripts/deps.sh"

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DQUORVANE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

supp="$root/scripts/sanitizers"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:exitcode=23:suppressions=$supp/asan.supp"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
cd "$build"
ctest --output-on-failure -j2 --timeout 1200
