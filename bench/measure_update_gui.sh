#!/usr/bin/env bash
# Start-up and idle memory of the built editor with the update check off, and on with an
# update host that refuses connections or takes the request and never answers, with the
# shared measuring kit (measure_gui.sh, on a private Xvfb each). Usage:
#   bench/measure_update_gui.sh [PERFKIT_DIR] [RUNS] [BASELINE_EDITOR]
# PERFKIT_DIR holds measure_gui.sh (default: ../shared/perf beside the project).
# BASELINE_EDITOR, when given, is another build of the editor (say, one without the update
# check) measured first the same way, for comparison.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"
runs="${2:-9}"
baseline="${3:-}"
editor="$root/build/bin/quorvane"

# A description on the command line, so that no start dialog shows.
write_description "$work/book.qvn" '[[[QVN FILE]]]Bench Book' 'Headline' 'Sub' 'Opening' 'Why' 'Fast' 'Closing' 'Kindle' 'Print'

# A host that accepts every connection and never answers; its port goes to port.txt.
/usr/bin/python3 - "$work/port.txt" <<'PY' &
import socket, sys
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(64)
open(sys.argv[1], "w").write(str(s.getsockname()[1]))
held = []
while True:
    held.append(s.accept()[0])
PY
bench_pids+=($!)
for _ in $(seq 50); do [ -s "$work/port.txt" ] && break; sleep 0.1; done
stalled="http://127.0.0.1:$(cat "$work/port.txt")/qvnlatestversion.txt"

# A port nobody listens on.
refused="http://127.0.0.1:$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')/qvnlatestversion.txt"

measure() { "$kit/measure_gui.sh" -n "$runs" "$@" 2>&1 | sed -n '/^== /,$p' | grep -E '^==|first_paint|rss_main|pss_tree'; }
[ -n "$baseline" ] && measure --label baseline --env QUORVANE_UPDATE_URL= -- "$baseline" "$work/book.qvn"
measure --label check_off --env QUORVANE_UPDATE_URL= -- "$editor" "$work/book.qvn"
# Without a key the check is off, so the runs with the check on get one (any will do).
key="QUORVANE_UPDATE_PUBLIC_KEY=$(head -c 32 /dev/zero | base64)"
measure --label host_refuses --env "QUORVANE_UPDATE_URL=$refused" --env "$key" -- "$editor" "$work/book.qvn"
measure --label host_never_answers --env "QUORVANE_UPDATE_URL=$stalled" --env "$key" -- "$editor" "$work/book.qvn"
