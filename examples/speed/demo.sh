#!/bin/sh
# speed: Enter to start, Enter to leave; the transcript shows the ten lines of progress reports.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
"$bin/speed" < "$here/answers.txt" > console.txt
echo "speed: console transcript in $out/console.txt"
