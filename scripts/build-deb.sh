#!/usr/bin/env bash
# Builds the Debian package and checks it with lintian: installs what the
# package build needs, builds a copy of the source tree in build/deb/src (so
# that dpkg-buildpackage leaves nothing in the tree itself), and leaves
# build/deb/tolm-game_VERSION_ARCH.deb. Fails on a lintian error or warning.
set -euo pipefail
cd "$(dirname "$0")"/..
out=build/deb

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_get() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
tools=(dpkg-dev debhelper lintian)
for package in "${tools[@]}"; do
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ] ||
        { apt_get update -qq && apt_get install -y -qq "${tools[@]}" && break; }
done

rm -rf "$out" && mkdir -p "$out/src"
tar -c --exclude=./build --exclude=./.git . | tar -x -C "$out/src"
cd "$out/src"
dpkg-checkbuilddeps 2>/dev/null || { apt_get update -qq && apt_get build-dep -y -qq ./; }
start=$SECONDS
dpkg-buildpackage -b -us -uc -j"$(nproc)"
echo "dpkg-buildpackage took $((SECONDS - start)) s"
cd ..

version=$(dpkg-parsechangelog -l src/debian/changelog -S Version)
deb=tolm-game_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $out/$deb" >&2; exit 1; }
# Informational tags are shown, but only errors and warnings fail the build.
lintian --display-info --fail-on error,warning tolm-game_*.changes
echo "built $out/$deb"
