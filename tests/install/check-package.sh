#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: name and version, the Qt
# libraries among its dependencies, the same files as an install, no maintainer scripts
# (dpkg triggers of the cache owners do their work), and lintian where it is installed.
# Usage: check-package.sh BUILD_DIR OUT_DIR STAGE_DIR
set -euo pipefail
build=$1 out=$2 stage=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out.log" 2>&1) || { cat "$out.log" >&2; exit 1; }
deb=$out/quorvane_1.4.18_amd64.deb
[ -f "$deb" ] || { fail "no $deb"; ls "$out" >&2; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quorvane ] || fail "package name $(field Package)"
[ "$(field Version)" = 1.4.18 ] || fail "version $(field Version)"
[ "$(field Section)" = editors ] || fail "section $(field Section)"
depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 qt6-qpa-plugins; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# Exactly the files of an install into the staging folder.
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort >"$out/package.files"
(cd "$stage" && find . -type f -o -type l) | sed 's|^\./|/|' | sort >"$out/install.files"
diff -u "$out/install.files" "$out/package.files" >&2 || fail "package and install hold different files"
# Nothing in the control archive but the control and the checksums.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort | tr '\n' ' ')
[ "$control" = "control md5sums " ] || fail "control archive holds: $control"
# The programs are stripped, as Debian wants them.
for program in usr/bin/quorvane usr/libexec/quorvane/quorvane-preview; do
  dpkg-deb --fsys-tarfile "$deb" | tar -xO "./$program" >"$out/program"
  if readelf -S "$out/program" | grep -q '\.debug_info'; then fail "$program carries debug information"; fi
done

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >&2 || fail "lintian reports errors"
else
  echo "note: lintian not installed, package not linted"
fi

((failures == 0)) || exit 1
echo "package checks passed: $deb"
