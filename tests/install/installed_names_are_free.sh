#!/bin/sh
# Usage: installed_names_are_free.sh PACKAGE NAME...
# No installed command NAME of the suite, and no manual page NAME.1 of it, is a file that a
# package of this system already provides: the suite's package then installs beside the base
# system, and `make install` shadows none of its commands on a PATH.  PACKAGE (the suite's own
# package) may own them.  Exit 77 (skipped) where dpkg-query is not installed.
package=$1
shift
if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "dpkg-query is not installed: the installed names cannot be compared with the system's"
    exit 77
fi
status=0
seen=" "
paths=
for name in "$@"; do
    case $seen in
        *" $name "*) echo "$name: installed twice"; status=1 ;;
    esac
    seen="$seen$name "
    for dir in /usr/bin /bin /usr/sbin /sbin /usr/games /usr/local/bin; do
        paths="$paths $dir/$name"
    done
    paths="$paths /usr/share/man/man1/$name.1.gz"
done
# One query for every path (each query reads the whole package database).  It lists the paths
# some package owns, as "package[, package...]: path".
dpkg-query -S $paths 2>/dev/null | while IFS= read -r line; do
    path=${line##*: }
    owners=$(echo "${line%: *}" | tr ',' '\n' | tr -d ' ' | grep -v -x -e "$package" -e '')
    if [ -n "$owners" ]; then
        name=$(basename "$path" .1.gz)
        echo "$name: $path belongs to $(echo $owners) already; give it a name of the" \
             "suite's own in SUITE_INSTALLED_AS (top CMakeLists.txt)"
    fi
done | grep . && status=1
exit $status
