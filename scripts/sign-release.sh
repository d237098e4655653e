#!/usr/bin/env bash
# Signs a release for the update check. Usage:
#   scripts/sign-release.sh KEY VERSION SERIAL INSTALLER NOTES
# KEY is the publisher's Ed25519 private key (PEM); VERSION the release as major.minor;
# SERIAL a decimal number higher than that of every version text published before; NOTES
# the release notes ("[\n]" starts a paragraph). Writes, in the current folder,
# qvnlatestversion.txt and qvnlatestversion.txt.sig, and INSTALLER.sig beside the installer;
# then checks all of it against the key's public half and prints that half as the program
# is built with it.
set -euo pipefail
if [ $# -ne 5 ]; then
  echo "usage: $0 KEY VERSION SERIAL INSTALLER NOTES" >&2
  exit 2
fi
key="$1" version="$2" serial="$3" installer="$4" notes="$5"
fail() { echo "sign-release: $*" >&2; exit 1; }

[ -r "$key" ] || fail "cannot read the key $key"
[ -r "$installer" ] && [ -s "$installer" ] || fail "cannot read the installer $installer"
[[ "$version" =~ ^[^:]+$ ]] || fail "the version must be non-empty and hold no colon"
[[ "$serial" =~ ^(0|[1-9][0-9]{0,17})$ ]] || fail "the serial must be a decimal number without leading zeros"
case "$notes" in *$'\n'*) fail "the notes are one line; [\\n] starts a paragraph" ;; esac

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
openssl pkey -in "$key" -pubout -out "$work/public.pem" 2>/dev/null || fail "$key is not a private key"

text=qvnlatestversion.txt
printf 'qvnlatestversion:%s:%s:%s' "$version" "$serial" "$notes" >"$text"
# The installer counts only for this release: its signature covers version, serial and bytes.
sha256="$(sha256sum "$installer" | cut -d' ' -f1)"
printf 'qvninstaller:%s:%s:%s' "$version" "$serial" "$sha256" >"$work/installer-claim"

sign() { openssl pkeyutl -sign -inkey "$key" -rawin -in "$1" -out "$2"; }
check() {
  [ "$(stat -c %s "$2")" = 64 ] || fail "$2 is not a 64-byte signature"
  openssl pkeyutl -verify -pubin -inkey "$work/public.pem" -rawin -in "$1" -sigfile "$2" >/dev/null ||
    fail "$2 does not verify"
}
sign "$text" "$text.sig"
sign "$work/installer-claim" "$installer.sig"
check "$text" "$text.sig"
check "$work/installer-claim" "$installer.sig"

echo "wrote $text, $text.sig and $installer.sig"
echo "public key (-DQUORVANE_UPDATE_PUBLIC_KEY=): $(openssl pkey -in "$key" -pubout -outform DER | tail -c 32 | base64)"
