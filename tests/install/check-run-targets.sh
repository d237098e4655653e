#!/usr/bin/env bash
# scripts/run.sh builds quorvane_program: it must bring everything the editor needs to run from
# the build folder (the editor, both helpers, the help book) and nothing of the tests.
#   check-run-targets.sh BUILD_DIR
set -uo pipefail
commands="$(ninja -C "$1" -t commands quorvane_program)" || { echo "no quorvane_program target"; exit 1; }
status=0
for output in 'bin/quorvane' 'bin/quorvane-preview' 'bin/quorvane-update' 'bin/qvn.qch'; do
  grep -qE -- "-o ([^ ]*/)?$output( |\$)" <<<"$commands" || { echo "quorvane_program does not build $output"; status=1; }
done
extra="$(grep -oE '(^| )[^ ]*/(tests|bench|fuzz|gallery)/[^ ]*' <<<"$commands" | head -n 5)"
[ -z "$extra" ] || { echo "quorvane_program builds what the program does not need:"; echo "$extra"; status=1; }
exit $status
