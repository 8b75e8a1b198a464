#!/bin/sh
# Usage: install_and_uninstall.sh BUILD_DIR SOURCE_DIR INSTALLED_NAME...
# Installs the built suite twice into a scratch root (as `make install DESTDIR=...` does, by the
# install component so that the record of a real install stays as it is) beside a folder and a
# file that were there before, checks what was installed, then uninstalls: every file and
# every folder the install created goes, the folder and the file that were there stay.
build=$1
source=$2
shift 2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=/usr/local
status=0
fail() {
    echo "$1"
    status=1
}
mkdir -p "$root$prefix/share/doc"
echo "someone else's" > "$root$prefix/share/doc/other.txt"
for round in 1 2; do
    DESTDIR=$root cmake --install "$build" --component Unspecified --prefix $prefix >/dev/null ||
        fail "install $round failed"
done

for name in "$@"; do
    [ -x "$root$prefix/bin/$name" ] || fail "bin/$name was not installed"
    [ -f "$root$prefix/share/man/man1/$name.1.gz" ] || fail "man1/$name.1.gz was not installed"
done
version=$("$root$prefix/bin/$1" --version) || fail "$1 --version failed"
[ -n "$version" ] || fail "$1 --version printed nothing"
docs=$root$prefix/share/doc/earthsuite
for file in copyright changelog.gz examples/gridder/elevations.txt examples/hypoview/topo.grd \
            examples/factor/rocks.txt examples/heater/answers-subduction.txt; do
    [ -f "$docs/$file" ] || fail "share/doc/earthsuite/$file was not installed"
done
cmp -s "$source/examples/hypoview/quakes.txt" "$docs/examples/hypoview/quakes.txt" ||
    fail "examples/hypoview/quakes.txt was not installed as it is"
installed=$(ls "$root$prefix/bin" | wc -l)
[ "$installed" -eq $# ] || fail "bin/ holds $installed files, not the $# commands"

DESTDIR=$root cmake -P "$source/cmake/uninstall.cmake" "$build/install_manifest_Unspecified.txt" \
    >/dev/null || fail "uninstall failed"
left=$(cd "$root" && find . | sort | tr '\n' ' ')
expected=". ./usr ./usr/local ./usr/local/share ./usr/local/share/doc ./usr/local/share/doc/other.txt "
[ "$left" = "$expected" ] || fail "after uninstall: $left (expected: $expected)"
exit $status
