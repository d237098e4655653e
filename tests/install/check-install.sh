#!/usr/bin/env bash
# Checks what an install put into the staging folder: the files and where they are, that the
# installed program runs from there, and that the desktop's validators accept its files.
# Usage: check-install.sh STAGE_DIR BUILD_BIN_DIR HELP(0|1)
set -euo pipefail
stage=$1 build_bin=$2 help=$3
usr=$stage/usr
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null; }

# The programs, and nothing of the tests, benchmarks or the button gallery.
[ -x "$usr/bin/quorvane" ] || fail "quorvane is not in bin"
[ -x "$usr/libexec/quorvane/quorvane-preview" ] || fail "quorvane-preview is not in libexec/quorvane"
[ -e "$usr/bin/quorvane-preview" ] && fail "quorvane-preview is on the PATH"
stray=$(find "$stage" -name 'candybutton-gallery*' -o -name 'test_*' -o -name 'bench_*' -o -name '*.a' -o -name '*.h')
[ -z "$stray" ] || fail "installed but not for users: $stray"
if [ "$help" = 1 ]; then
  [ -s "$usr/share/quorvane/qvn.qch" ] || fail "the help book is not in share/quorvane"
fi

# The installed program runs by itself and gives the same bytes as the built one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '[[[QVN FILE]]]Test Book\r\nA headline\r\nSub\r\nOpening <i>words</i>\r\n\r\nOne<BR>Two\r\nClosing\r\nBuy the e-book\r\nBuy the print book\r\n' \
  >"$work/book.qvn"
# The blank benefits headline is left out; the benefits become a list.
expected='<H2>A headline</H2><BR><B>Sub</B><BR><BR>Opening <i>words</i><BR><BR><ul><li>One</li><li>Two</li></ul>Closing<BR><BR>Buy the e-book<BR><BR>'
kindle=$(cd "$work" && "$usr/bin/quorvane" --export kindle book.qvn) || fail "installed quorvane --export kindle failed"
[ "$kindle" = "$expected" ] || fail "installed quorvane --export kindle printed: $kindle"
[ "$kindle" = "$("$build_bin/quorvane" --export kindle "$work/book.qvn")" ] || fail "installed and built programs differ"
version=$("$usr/bin/quorvane" --version)
[ "$version" = "Quorvane 1.4.18" ] || fail "installed quorvane --version printed: $version"

# The menu entry, its program and its icon.
entry=$usr/share/applications/org.quorvane.Quorvane.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
grep -qx 'Exec=quorvane %f' "$entry" || fail "the entry does not start quorvane from the PATH"
grep -qx 'Icon=org.quorvane.Quorvane' "$entry" || fail "the entry names another icon"
for size in 16 22 24 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/org.quorvane.Quorvane.png
  # Width and height, big-endian, at bytes 16 to 23 of the PNG header.
  dims=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
  [ "$dims" = "${size}x${size}" ] || fail "icon in ${size}x${size} is ${dims:-missing}"
done
[ -s "$usr/share/icons/hicolor/scalable/apps/org.quorvane.Quorvane.svg" ] || fail "no scalable icon"

# The file type: the MIME package compiles and knows a .qvn file by name and by content.
mime=$work/mime
mkdir -p "$mime/packages"
cp "$usr/share/mime/packages/quorvane-mime.xml" "$mime/packages/"
if update-mime-database "$mime" 2>"$work/mime.err"; then
  grep -q '^application/x-quorvane:\*\.qvn$' "$mime/globs" || fail "the file type has no *.qvn glob"
  grep -q 'application/x-quorvane' "$mime/magic" || fail "the file type has no content match"
else
  fail "update-mime-database rejects the package: $(cat "$work/mime.err")"
fi

# The software-centre record and the manual page, where their checkers are installed.
metainfo=$usr/share/metainfo/org.quorvane.Quorvane.metainfo.xml
if have appstreamcli; then
  appstreamcli validate --no-net "$metainfo" >"$work/as.out" 2>&1 || fail "appstreamcli: $(cat "$work/as.out")"
else
  echo "note: appstreamcli not installed, metainfo not validated"
fi
manpage=$usr/share/man/man1/quorvane.1.gz
if have man; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manpage" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
  page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$manpage" 2>/dev/null)
  for option in --export --check --help --version; do
    grep -q -- "$option" <<<"$page" || fail "the manual page does not cover $option"
  done
else
  zcat "$manpage" | grep -q '^\.TH QUORVANE 1' || fail "the manual page is not one"
fi

((failures == 0)) || exit 1
echo "install checks passed"
