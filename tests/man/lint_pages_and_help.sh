#!/bin/sh
# Usage: lint_pages_and_help.sh MAN_DIR BIN_DIR INSTALLED_PAGES_DIR "TOOL..." NAME[=INSTALLED]...
# Every program and tool NAME has a manual page MAN_DIR/NAME.1 with the sections a reader looks
# for, clean under mandoc's and groff's linters (each where installed), whose SEE ALSO lists
# every companion tool TOOL but itself, and a --help text that starts with its usage and fits an
# 80-column console.  A NAME installed under another name (NAME=INSTALLED) says so in its page
# and its --help, and its installed page INSTALLED_PAGES_DIR/INSTALLED.1 is titled and linted as
# that command.
# Exit 77 (skipped) without either linter.
man=$1
bin=$2
installed_pages=$3
tools=$4
shift 4
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
upper() {
    echo "$1" | tr a-z A-Z
}
lint() {
    if [ -n "$have_mandoc" ]; then
        messages=$(mandoc -Tlint -Wstyle "$1" 2>&1)
        [ -z "$messages" ] || fail "$messages"
    fi
    if [ -n "$have_groff" ]; then
        messages=$(groff -ww -z -man "$1" 2>&1)
        [ -z "$messages" ] || fail "$1: groff: $messages"
    fi
}
for entry in "$@"; do
    name=${entry%%=*}
    installed=${entry#*=}
    page=$man/$name.1
    if [ ! -f "$page" ]; then
        fail "$page: missing; every program and tool needs its manual page"
        continue
    fi
    for section in NAME SYNOPSIS DESCRIPTION FILES EXIT_STATUS EXAMPLES SEE_ALSO; do
        heading=$(echo "$section" | tr _ ' ')
        grep -qx ".SH $heading" "$page" || fail "$page: no section .SH $heading"
    done
    grep -q "^\.TH $(upper "$name") 1 " "$page" || fail "$page: .TH must name $name in section 1"
    see_also=$(sed -n '/^\.SH SEE ALSO$/,$p' "$page")
    for tool in $tools; do
        [ "$tool" = "$name" ] && continue
        echo "$see_also" | grep -q "^\.BR $tool (1)" || fail "$page: SEE ALSO must list $tool(1)"
    done
    lint "$page"
    if [ "$installed" != "$name" ]; then
        escaped=$(echo "$installed" | sed 's/-/\\\\-/g')
        grep -q "$escaped" "$page" || fail "$page: must say that $name is installed as $installed"
        installed_page=$installed_pages/$installed.1
        grep -q "^\.TH $(upper "$installed") 1 " "$installed_page" ||
            fail "$installed_page: .TH must name $installed in section 1"
        lint "$installed_page"
    fi

    help=$("$bin/$name" --help) || fail "$name --help: exit status $?"
    [ "$installed" = "$name" ] || echo "$help" | grep -q "^Installed as $installed: " ||
        fail "$name --help: must say that it is installed as $installed"
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
