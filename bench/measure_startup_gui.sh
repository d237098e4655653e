#!/usr/bin/env bash
# First paint of the editor's splash and main window against the plain Qt floor, with the
# shared measuring kit, in interleaved rounds so that a busy machine weighs on both alike.
#   bench/measure_startup_gui.sh [PERFKIT_DIR] [ROUNDS] [RUNS_PER_ROUND] [BIN_DIR]
# Prints each round's medians and ratios, then the medians over all rounds.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"
rounds="${2:-10}"
runs="${3:-3}"
bin="${4:-$root/build/bin}"
build_floor
# A description on the command line: no start dialog after the main window.
write_description "$work/book.qvn" '[[[QVN FILE]]]Start-up Book' 'A Headline' 'A sub-headline' \
  'Opening <i>words</i><BR>and a second line' 'Why read it' 'Fast<BR>Easy' 'Closing remarks.' \
  'Buy the Kindle book now' 'Order the paperback'

for ((r = 1; r <= rounds; r++)); do
  "$kit/measure_gui.sh" -n "$runs" --min-size 994x747 --json "$work/floor_$r.json" \
    --label floor -- "$work/floor/floor_widgets" >/dev/null 2>&1
  "$kit/measure_gui.sh" -n "$runs" --min-size 994x747 --json "$work/editor_$r.json" \
    --label editor -- "$bin/quorvane" "$work/book.qvn" >/dev/null 2>&1
done

/usr/bin/python3 - "$work" "$rounds" <<'PY'
import json, statistics, sys, os
work, rounds = sys.argv[1], int(sys.argv[2])
def runs(name):
    data = json.load(open(os.path.join(work, name)))
    return [r for r in data["results"] if not r.get("_warmup")]
floor_all, main_all, splash_all, ratios, splash_ratios = [], [], [], [], []
for r in range(1, rounds + 1):
    f = [x["first_paint_ms"] for x in runs(f"floor_{r}.json") if x.get("first_paint_ms")]
    e = runs(f"editor_{r}.json")
    m = [x["first_paint_ms"] for x in e if x.get("first_paint_ms")]
    s = [x["any_first_paint_ms"] for x in e if x.get("any_first_paint_ms")]
    if not (f and m and s):
        continue
    floor_all += f; main_all += m; splash_all += s
    fm, mm, sm = statistics.median(f), statistics.median(m), statistics.median(s)
    ratios.append(mm / fm); splash_ratios.append(sm / fm)
    print(f"round {r}: floor {fm:.1f} ms, splash {sm:.1f} ms ({sm/fm:.2f}), main window {mm:.1f} ms ({mm/fm:.2f})")
fm, mm, sm = statistics.median(floor_all), statistics.median(main_all), statistics.median(splash_all)
print(f"all {len(floor_all)}/{len(main_all)} runs: floor {fm:.1f} ms, splash {sm:.1f} ms ({sm/fm:.2f}), "
      f"main window {mm:.1f} ms ({mm/fm:.2f})")
print(f"per-round ratios: main window median {statistics.median(ratios):.2f} "
      f"(min {min(ratios):.2f}, max {max(ratios):.2f}); splash median {statistics.median(splash_ratios):.2f} "
      f"(min {min(splash_ratios):.2f}, max {max(splash_ratios):.2f})")
PY
