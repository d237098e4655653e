#!/usr/bin/env bash
# Builds Quorvane with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/
# and runs the tests there: all of them, or those that the arguments select (they go to
# ctest as they are, e.g. scripts/sanitize.sh -R preview). Any report fails the run, except
# the known ones from the platform's libraries, suppressed program by program as
# scripts/sanitizers/ describes; the run ends with the list of suppressions that matched.
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
# Each sanitizer reads the options of one program from a file named after it (%b). Only the
# programs listed in scripts/sanitizers/ get any: those that host the web engine the ASan
# option their engine needs, and each program with leaks in a platform library its own leak
# suppressions, scripts/sanitizers/leaks/<program>.supp. Every other program runs with none.
options="$build/sanitizer-options"
rm -rf "$options" && mkdir -p "$options"
for list in "$supp"/leaks/*.supp; do
  echo "suppressions=$list" >"$options/$(basename "$list" .supp).lsan"
done
for program in $(grep -v '^#' "$supp/web-engine-processes"); do
  echo "new_delete_type_mismatch=0" >"$options/$program"
  # Allocations keep only the frame that made them, so that a suppression of the engine's
  # libraries matches a leak only when one of them allocated it, not every leak of ours
  # (in a callback, say) that the engine happened to call.
  echo "malloc_context_size=2" >>"$options/$program.lsan"
done
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:exitcode=23:include_if_exists=$options/%b"
export LSAN_OPTIONS="print_suppressions=1:include_if_exists=$options/%b.lsan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
# Without a session bus, libdbus forks to start one; the child of a sanitized program with
# threads can hang on the sanitizer's allocator lock there. No test needs a session bus.
export DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent/quorvane-test-bus"
cd "$build"
status=0
ctest --output-on-failure -j2 --timeout 1200 --test-output-size-passed 4000000 "$@" || status=$?

# Every process that suppressed a leak printed which suppressions matched, how often and how
# many bytes; they are gathered here by test, so that one that no longer matches shows.
echo
echo "Leak suppressions used, by test:"
awk '/^[0-9]+\/[0-9]+ Testing: / { test = $3 }
     /^Suppressions used:/ { used = 1; next }
     used && /count +bytes +template/ { next }
     used && /^-+$/ { used = 0; next }
     used {
       key = sprintf("%-36s %-30s", test, $3)
       if (!(key in leaks)) order[++n] = key
       leaks[key] += $1; bytes[key] += $2; processes[key]++
     }
     END {
       if (!n) print "  none"
       for (i = 1; i <= n; i++)
         printf "  %s %3d process(es) %5d leaks %8d bytes\n", order[i], processes[order[i]], leaks[order[i]], bytes[order[i]]
     }' Testing/Temporary/LastTest.log
exit "$status"
