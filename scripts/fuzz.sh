#!/usr/bin/env bash
# Fuzzes the description reader and both generators with libFuzzer for a given time.
#   scripts/fuzz.sh [SECONDS] [extra libFuzzer options...]     (default 600 seconds)
# FUZZ_TARGET=html fuzzes the HTML importer instead (seeds in fuzz/html-corpus,
# new inputs in build-fuzz/html-corpus).
# Builds build-fuzz/ with clang, address and undefined-behaviour sanitizers and coverage
# instrumentation. New inputs go to build-fuzz/corpus (the seeds in fuzz/corpus stay as
# they are); a crashing input is written to build-fuzz/ as crash-*.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-600}"
shift || true

for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    { echo "fuzz.sh needs the Debian package $p" >&2; exit 1; }
done

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DQUORVANE_LIBFUZZER=ON -DQUORVANE_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null
# FUZZ_TARGET=content fuzzes the content rules' checker instead of the file reader.
if [ "${FUZZ_TARGET:-description}" = content ]; then
  cmake --build "$build" --target content_check_fuzzer
  mkdir -p "$build/content-corpus"
  cd "$build"
  ASAN_OPTIONS="detect_leaks=0" ./bin/content_check_fuzzer \
    -max_total_time="$seconds" -max_len=8192 \
    -print_final_stats=1 "$@" "$build/content-corpus" "$root/fuzz/content-corpus"
  exit
fi
cd "$build"
# Leaks are Qt's to keep until exit (its global statics); the target itself frees all.
if [ "${FUZZ_TARGET:-description}" = html ]; then
  cmake --build "$build" --target html_import_fuzzer
  mkdir -p "$build/html-corpus"
  ASAN_OPTIONS="detect_leaks=0" ./bin/html_import_fuzzer \
    -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 "$@" "$build/html-corpus" "$root/fuzz/html-corpus"
  exit
fi
cmake --build "$build" --target description_fuzzer
mkdir -p "$build/corpus"
ASAN_OPTIONS="detect_leaks=0" ./bin/description_fuzzer \
  -max_total_time="$seconds" -dict="$root/fuzz/description.dict" -max_len=4096 \
  -print_final_stats=1 "$@" "$build/corpus" "$root/fuzz/corpus"
