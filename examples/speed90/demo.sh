#!/bin/sh
# speed90: Enter to start, Enter to leave.  Its output goes to a file here, so the transcript
# holds every record unchanged, carriage-control character first, with the measured rate.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
"$bin/speed90" < "$here/answers.txt" > console.txt
echo "speed90: console transcript in $out/console.txt"
