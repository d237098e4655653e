#!/usr/bin/env bash
# scripts/run.sh builds what it names to scripts/build.sh: that must bring everything the editor
# needs to run from the build folder (the editor, both helpers, the help book) and nothing of
# the tests. The targets are read from the script itself, so a change there is seen here.
#   check-run-targets.sh BUILD_DIR RUN_SCRIPT
set -uo pipefail
targets="$(sed -nE 's|.*scripts/build\.sh"?[[:space:]]+([^|;&]*).*|\1|p' "$2" | head -n 1)"
[ -n "$targets" ] || { echo "$2 names no target to build"; exit 1; }
# shellcheck disable=SC2086  # the targets are words
commands="$(ninja -C "$1" -t commands $targets)" || { echo "no such target: $targets"; exit 1; }
status=0
for output in 'bin/quorvane' 'bin/quorvane-preview' 'bin/quorvane-update' 'bin/qvn.qch'; do
  grep -qE -- "-o ([^ ]*/)?$output( |\$)" <<<"$commands" || { echo "$targets does not build $output"; status=1; }
done
extra="$(grep -oE '(^| )[^ ]*/(tests|bench|fuzz|gallery)/[^ ]*' <<<"$commands" | head -n 5)"
[ -z "$extra" ] || { echo "$targets builds what the program does not need:"; echo "$extra"; status=1; }
exit $status
