#!/usr/bin/env bash
# Builds the Debian package quorvane_<version>_<arch>.deb into the project's folder, from an
# optimised build of its own in build-package/ (without the tests).
# Install it with: sudo apt install ./quorvane_1.4.18_amd64.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"
"$root/scripts/deps.sh"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Hardened as Debian builds its own packages: checked buffer functions, read-only relocations.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb=("$build"/package/quorvane_*.deb)
cp "${deb[@]}" "$root/"
echo "$root/$(basename "${deb[0]}")"
