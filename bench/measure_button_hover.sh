#!/usr/bin/env bash
# Hover and press repaint latency of a top-bar button of the built editor on a private Xvfb.
# Usage: bench/measure_button_hover.sh [ROUNDS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf '%s\r\n' '[[[QVN FILE]]]Book' 'Book' '' '' '' '' '' '' '' >"$work/book.qvn"
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" \
  /usr/bin/python3 "$root/bench/measure_button_hover.py" "$root/build/bin/quorvane" "$work/book.qvn" "${1:-20}"
