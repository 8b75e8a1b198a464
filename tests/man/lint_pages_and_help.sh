#!/bin/sh
# Usage: lint_pages_and_help.sh MAN_DIR BIN_DIR NAME...
# Every program and tool NAME has a manual page MAN_DIR/NAME.1 with the sections a reader looks
# for, clean under mandoc's and groff's linters (each where installed), and a --help text that
# starts with its usage and fits an 80-column console.  Exit 77 (skipped) without either linter.
man=$1
bin=$2
shift 2
have_mandoc=$(command -v mandoc)
have_groff=$(command -v groff)
if [ -z "$have_mandoc" ] && [ -z "$have_groff" ]; then
    echo "neither mandoc nor groff is installed: install mandoc (Debian package mandoc)"
    exit 77
fi
status=0
fail() {
    echo "$1"
    status=1
}
for name in "$@"; do
    page=$man/$name.1
    if [ ! -f "$page" ]; then
        fail "$page: missing; every program and tool needs its manual page"
        continue
    fi
    for section in NAME SYNOPSIS DESCRIPTION FILES EXIT_STATUS EXAMPLES SEE_ALSO; do
        heading=$(echo "$section" | tr _ ' ')
        grep -qx ".SH $heading" "$page" || fail "$page: no section .SH $heading"
    done
    grep -q "^\.TH $(echo "$name" | tr a-z A-Z) 1 " "$page" || fail "$page: .TH must name $name in section 1"
    if [ -n "$have_mandoc" ]; then
        messages=$(mandoc -Tlint -Wstyle "$page" 2>&1)
        [ -z "$messages" ] || fail "$messages"
    fi
    if [ -n "$have_groff" ]; then
        messages=$(groff -ww -z -man "$page" 2>&1)
        [ -z "$messages" ] || fail "$page: groff: $messages"
    fi

    help=$("$bin/$name" --help) || fail "$name --help: exit status $?"
    case $help in
        "Usage: $name "*) ;;
        *) fail "$name --help: must start with \"Usage: $name \"" ;;
    esac
    echo "$help" | awk -v name="$name" '
        length($0) > 79 { printf "%s --help, line %d: %d characters, at most 79\n", name, NR, length($0); bad = 1 }
        /\t/ { printf "%s --help, line %d: a tab\n", name, NR; bad = 1 }
        / $/ { printf "%s --help, line %d: trailing blank\n", name, NR; bad = 1 }
        END { exit bad }' || status=1
done
exit $status
