#!/usr/bin/env bash
# Start-up, memory and preview times of the built editor against the plain Qt floor, with
# the shared measuring kit (measure_gui.sh, on a private Xvfb each). Usage:
#   bench/measure_preview_gui.sh [PERFKIT_DIR] [RUNS]
# PERFKIT_DIR holds measure_gui.sh and floor/ (default: ../shared/perf beside the project).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kit="${1:-$root/../shared/perf}"
runs="${2:-9}"
bin="$root/build/bin"
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

measure --label floor_widgets -- "$work/floor/floor_widgets"
measure --label editor -- "$bin/quorvane" "$work/marker.qvn"
measure --label first_preview --trigger-delay 1 --marker 123456 \
  --trigger "xdotool mousemove --window \$PERFKIT_WID $kindle click 1" \
  -- "$bin/quorvane" "$work/marker.qvn"

# A later preview: a CreateSpace preview (no marker) opens and closes first; then the
# Kindle button is clicked, and that moment goes to the editor's own PERFMARK stream.
cat >"$work/later.sh" <<LATER
#!/bin/sh
wait_preview() { for i in \$(seq 100); do xdotool search --name '^Preview\$' >/dev/null && return 0; sleep 0.05; done; }
xdotool mousemove --window "\$PERFKIT_WID" $createspace click 1
wait_preview
sleep 0.5
xdotool windowfocus --sync "\$(xdotool search --name '^Preview\$')"
xdotool key Escape
for i in \$(seq 100); do [ -z "\$(cat /proc/\$PERFKIT_PID/task/\$PERFKIT_PID/children)" ] && break; sleep 0.05; done
sleep 0.5
printf 'PERFMARK later_click %s\n' "\$(python3 -c 'import time; print(time.monotonic_ns())')" >/proc/\$PERFKIT_PID/fd/2
xdotool mousemove --window "\$PERFKIT_WID" $kindle click 1
LATER
chmod +x "$work/later.sh"
measure --label later_preview --trigger-delay 1 --marker 123456 --marker-timeout 20 --json "$work/later.json" \
  --trigger "$work/later.sh" -- "$bin/quorvane" "$work/marker.qvn"
/usr/bin/python3 - "$work/later.json" <<'PY'
import json, statistics, sys
runs = json.load(open(sys.argv[1]))["results"]
values = [r["marker_ms"] - r["mark:later_click_ms"] for r in runs
          if not r.get("_warmup") and "marker_ms" in r and "mark:later_click_ms" in r]
if values:
    print("later preview, click to page on screen: median %.1f ms (min %.1f, max %.1f, %d runs)"
          % (statistics.median(values), min(values), max(values), len(values)))
else:
    print("later preview: no complete runs in", sys.argv[1])
PY
