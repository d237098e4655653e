#!/usr/bin/env bash
# Start-up, memory and preview times of the built editor against the plain Qt floor, with
# the shared measuring kit (measure_gui.sh, on a private Xvfb each). Usage:
#   bench/measure_preview_gui.sh [PERFKIT_DIR] [RUNS] [BIN_DIR]
# PERFKIT_DIR holds measure_gui.sh and floor/ (default: ../shared/perf beside the project);
# BIN_DIR the programs (default: build/bin), so that another build can be measured alike.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kit="${1:-$root/../shared/perf}"
runs="${2:-9}"
bin="${3:-$root/build/bin}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake -S "$kit/floor" -B "$work/floor" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/floor" --target floor_widgets >/dev/null

# A description whose Kindle call to action carries a block in the marker colour: only
# the Kindle preview shows it, the CreateSpace preview does not.
printf '%s\r\n' '[[[QVN FILE]]]Marker Book' 'Marker Book' 'A sub-headline' \
  'Opening <i>words</i><BR>and a second line' 'Why read it' 'Fast<BR>Easy' 'Closing remarks.' \
  '<div style="background:#123456; width:240px; height:60px"></div>Buy the Kindle book now' \
  'Order the paperback' >"$work/marker.qvn"

# Button centres in the main window: their places in twips / 15.
kindle='593 15'
createspace='593 47'

measure() { "$kit/measure_gui.sh" -n "$runs" "$@" 2>&1 | sed -n '/^== /,$p'; }

# Median of the time from the PERFMARK click to the marker on screen, from a --json file.
click_to_page() {
  /usr/bin/python3 - "$1" "$2" <<'PY'
import json, statistics, sys
runs = json.load(open(sys.argv[1]))["results"]
values = [r["marker_ms"] - r["mark:click_ms"] for r in runs
          if not r.get("_warmup") and "marker_ms" in r and "mark:click_ms" in r]
if values:
    print("%s, click to page on screen: median %.1f ms (min %.1f, max %.1f, %d runs)"
          % (sys.argv[2], statistics.median(values), min(values), max(values), len(values)))
else:
    print(sys.argv[2] + ": no complete runs in", sys.argv[1])
PY
}
# The moment of the click goes to the editor's PERFMARK stream.
mark_click='printf "PERFMARK click %s\n" "$(python3 -c "import time; print(time.monotonic_ns())")" >/proc/$PERFKIT_PID/fd/2'

# Idle with the pointer away from the preview buttons: nothing runs beside the editor.
measure --label floor_widgets -- "$work/floor/floor_widgets"
measure --label editor -- "$bin/quorvane" "$work/marker.qvn"
# Idle with the pointer resting on a preview button: a warm helper waits.
measure --label editor_warm_helper --trigger-delay 1 --settle 5 \
  --trigger "xdotool mousemove --window \$PERFKIT_WID $kindle" \
  -- "$bin/quorvane" "$work/marker.qvn"
# First preview, no rest: the pointer jumps onto the button and clicks at once.
measure --label first_preview --trigger-delay 1 --marker 123456 \
  --trigger "xdotool mousemove --window \$PERFKIT_WID $kindle click 1" \
  -- "$bin/quorvane" "$work/marker.qvn"
# First preview, the pointer resting on the button for 0.5 s before the click; and for 2 s,
# long enough for the helper to be warm however busy the machine.
for rest in 0.5 2; do
cat >"$work/rested.sh" <<RESTED
#!/bin/sh
xdotool mousemove --window "\$PERFKIT_WID" $kindle
sleep $rest
$mark_click
xdotool click 1
RESTED
chmod +x "$work/rested.sh"
measure --label "first_preview_rest_$rest" --trigger-delay 1 --marker 123456 --json "$work/rested.json" \
  --trigger "$work/rested.sh" -- "$bin/quorvane" "$work/marker.qvn"
click_to_page "$work/rested.json" "first preview, rested $rest s"
done

# A later preview: a CreateSpace preview (no marker) opens and closes first; then the
# pointer moves onto the Kindle button and, at once or after a rest, clicks it.
for rest in 0 0.5 2; do
cat >"$work/later.sh" <<LATER
#!/bin/sh
wait_preview() { for i in \$(seq 100); do xdotool search --onlyvisible --name '^Preview\$' >/dev/null && return 0; sleep 0.05; done; }
xdotool mousemove --window "\$PERFKIT_WID" $createspace click 1
wait_preview
sleep 0.5
window="\$(xdotool search --onlyvisible --name '^Preview\$')"
helper="\$(xdotool getwindowpid "\$window")"
xdotool windowfocus --sync "\$window"
xdotool key Escape
for i in \$(seq 100); do [ -e "/proc/\$helper" ] || break; sleep 0.05; done
sleep 0.5
xdotool mousemove --window "\$PERFKIT_WID" $kindle
sleep $rest
$mark_click
xdotool click 1
LATER
chmod +x "$work/later.sh"
measure --label "later_preview_rest_$rest" --trigger-delay 1 --marker 123456 --marker-timeout 20 \
  --json "$work/later.json" --trigger "$work/later.sh" -- "$bin/quorvane" "$work/marker.qvn"
click_to_page "$work/later.json" "later preview, rested $rest s"
done
