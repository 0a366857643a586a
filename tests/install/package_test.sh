#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder, has lintian check it,
# then installs it into a scratch dpkg root and removes it again: every installed file goes and
# the worksheets in home folders and shared folders stay.
#   package_test.sh <build-folder>
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack failed"; }
debs=("$tmp"/out/ancient-velmora_*_"$(dpkg --print-architecture)".deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no package with the Debian file name: $(ls "$tmp/out")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsdl2-2.0-0 fonts-liberation2 fonts-wine fonts-dejavu-core; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# Errors fail; warnings and notes are shown for reading.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"

# Install and remove in a dpkg root of our own.
root=$tmp/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status"
dpkg_root() {
    dpkg --root="$root" --force-not-root --force-bad-path --force-depends \
        --force-script-chrootless --log=/dev/null "$@" >"$tmp/dpkg.log" 2>&1 ||
        { cat "$tmp/dpkg.log"; fail "dpkg $*"; }
}
dpkg_root --install "$deb"
[ -x "$root/usr/bin/ancient-velmora" ] || fail "not installed into the root"
mkdir -p "$root/home/teacher/.local/share/ancient-velmora/multiple" "$root/srv/school"
echo " 1 " >"$root/home/teacher/.local/share/ancient-velmora/multiple/track.txt"
echo " 1 " >"$root/srv/school/track.txt"
dpkg_root --remove ancient-velmora
left=$(find "$root/usr" -type f 2>/dev/null || true)
[ -z "$left" ] || fail "files left after removal: $left"
[ ! -e "$root/usr/share/ancient-velmora" ] || fail "the data folder was left behind"
[ -f "$root/home/teacher/.local/share/ancient-velmora/multiple/track.txt" ] || fail "a home worksheet went"
[ -f "$root/srv/school/track.txt" ] || fail "a shared worksheet went"
echo "package test passed: $(basename "$deb")"
