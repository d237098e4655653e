# The opening the bench/measure_*_gui.sh scripts share; sourced with the script's own arguments.
# Sets root (the project), kit (the shared measuring kit: the first argument, else ../shared/perf
# beside the project) and work (a scratch folder, removed on exit with every process named in
# bench_pids). build_floor builds the plain Qt floor into $work/floor; write_description FILE
# LINE... writes a description file, a line each.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kit="${1:-$root/../shared/perf}"
work="$(mktemp -d)"
bench_pids=()
bench_cleanup() {
  local pid
  for pid in "${bench_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap bench_cleanup EXIT

build_floor() {
  cmake -S "$kit/floor" -B "$work/floor" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$work/floor" --target floor_widgets >/dev/null
}

write_description() {
  local file="$1"
  shift
  printf '%s\r\n' "$@" >"$file"
}
