#!/usr/bin/env bash
# Start-up, memory and preview times of the built editor against the plain Qt floor, with
# the shared measuring kit (measure_gui.sh, on a private Xvfb each). Usage:
#   bench/measure_preview_gui.sh [PERFKIT_DIR] [RUNS] [BIN_DIR]
# PERFKIT_DIR holds measure_gui.sh and floor/ (default: ../shared/perf beside the project);
# BIN_DIR the programs (default: build/bin), so that another build can be measured alike.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"
runs="${2:-9}"
bin="${3:-$root/build/bin}"
build_floor

# A description whose Kindle call to action carries a block in the marker colour: only
# the Kindle preview shows it, the CreateSpace preview does not. Short, so that the block
# stands above the store page's fold, where the preview does not dim it.
write_description "$work/marker.qvn" '[[[QVN FILE]]]Marker Book' 'Marker Book' 'A sub-headline' \
  'Opening <i>words</i>' '' '' '' \
  '<div style="background:#123456; width:240px; height:60px"></div>Buy the Kindle book now' \
  'Order the paperback'

# Button centres in the main window: their places in twips / 15.
kindle='593 15'
createspace='593 47'

measure() { "$kit/measure_gui.sh" -n "$runs" "$@" 2>&1 | sed -n '/^== /,$p'; }

# Median of the time from the click to the marker on screen, from click_and_watch.py's lines
# (the first line is the kit's warm-up run).
click_to_page() {
  /usr/bin/python3 - "$1" "$2" <<'PY'
import statistics, sys
lines = [l.split() for l in open(sys.argv[1]).read().splitlines()[1:]]
found = [(float(l[1]), float(l[3])) for l in lines if len(l) == 4]
if found:
    up = [f[0] for f in found]
    low = [f[1] for f in found]
    print("%s, click to page on screen: median %.1f ms (min %.1f, max %.1f, %d of %d runs);"
          " not yet on screen at median %.1f ms"
          % (sys.argv[2], statistics.median(up), min(up), max(up), len(found), len(lines),
             statistics.median(low)))
else:
    print(sys.argv[2] + ": no complete runs in", sys.argv[1])
PY
}
# The kit reads every window only once its trigger has ended, some 100 ms each time here,
# which hides a page shown sooner: the watcher clicks itself and times the page.
watch="$root/bench/click_and_watch.py"
# The first window the kit sees may be an empty one, the next the splash screen: the editor's
# own is the visible one of its title.
editor_window='$(xdotool search --onlyvisible --all --pid $PERFKIT_PID --name "^Quorvane$" | head -1)'

# Idle with the pointer away from the preview buttons: nothing runs beside the editor.
measure --label floor_widgets -- "$work/floor/floor_widgets"
measure --label editor -- "$bin/quorvane" "$work/marker.qvn"
# Idle with the pointer resting on a preview button: a warm helper waits.
measure --label editor_warm_helper --trigger-delay 1 --settle 5 \
  --trigger "xdotool mousemove --window \"$editor_window\" $kindle" \
  -- "$bin/quorvane" "$work/marker.qvn"
# First preview, no rest: the pointer jumps onto the button and clicks at once.
rm -f "$work/watch.txt"
measure --label first_preview --trigger-delay 1 --marker 123456 \
  --trigger "xdotool mousemove --window \"$editor_window\" $kindle && /usr/bin/python3 \"$watch\" 123456 \"$work/watch.txt\"" \
  -- "$bin/quorvane" "$work/marker.qvn"
click_to_page "$work/watch.txt" "first preview, no rest"
# First preview, the pointer resting on the button for 0.5 s before the click; and for 2 s,
# long enough for the helper to be warm however busy the machine.
for rest in 0.5 2; do
rm -f "$work/watch.txt"
cat >"$work/rested.sh" <<RESTED
#!/bin/sh
xdotool mousemove --window "$editor_window" $kindle
sleep $rest
/usr/bin/python3 "$watch" 123456 "$work/watch.txt"
RESTED
chmod +x "$work/rested.sh"
measure --label "first_preview_rest_$rest" --trigger-delay 1 --marker 123456 \
  --trigger "$work/rested.sh" -- "$bin/quorvane" "$work/marker.qvn"
click_to_page "$work/watch.txt" "first preview, rested $rest s"
done

# A later preview: a CreateSpace preview (no marker) opens and closes first; then the
# pointer moves onto the Kindle button and, at once or after a rest, clicks it.
for rest in 0 0.5 2; do
rm -f "$work/watch.txt"
cat >"$work/later.sh" <<LATER
#!/bin/sh
wait_preview() { for i in \$(seq 100); do xdotool search --onlyvisible --name '^Preview\$' >/dev/null && return 0; sleep 0.05; done; }
xdotool mousemove --window "$editor_window" $createspace click 1
wait_preview
sleep 0.5
window="\$(xdotool search --onlyvisible --name '^Preview\$')"
helper="\$(xdotool getwindowpid "\$window")"
xdotool windowfocus --sync "\$window"
xdotool key Escape
for i in \$(seq 100); do [ -e "/proc/\$helper" ] || break; sleep 0.05; done
sleep 0.5
xdotool mousemove --window "$editor_window" $kindle
sleep $rest
/usr/bin/python3 "$watch" 123456 "$work/watch.txt"
LATER
chmod +x "$work/later.sh"
measure --label "later_preview_rest_$rest" --trigger-delay 1 --marker 123456 --marker-timeout 20 \
  --trigger "$work/later.sh" -- "$bin/quorvane" "$work/marker.qvn"
click_to_page "$work/watch.txt" "later preview, rested $rest s"
done
