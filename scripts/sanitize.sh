#!/usr/bin/env bash
# Builds Quorvane with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/
# and runs every test there. Any report fails the run, except the two known ones from the
# platform's libraries described in scripts/sanitizers/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-sanitize"
"$root/scripts/deps.sh"

# -O1 and line tables only: the build is part of every CI run.
flags="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DQUORVANE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

supp="$root/scripts/sanitizers"
# ASan reads options for one program from a file named after it (%b); the programs that host
# the web engine get the one option their engine needs.
options="$build/asan-options"
rm -rf "$options" && mkdir -p "$options"
for program in $(grep -v '^#' "$supp/web-engine-processes"); do
  echo "new_delete_type_mismatch=0" >"$options/$program"
done
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:exitcode=23:include_if_exists=$options/%b"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
# Without a session bus, libdbus forks to start one; the child of a sanitized program with
# threads can hang on the sanitizer's allocator lock there. No test needs a session bus.
export DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent/quorvane-test-bus"
cd "$build"
ctest --output-on-failure -j2 --timeout 1200
