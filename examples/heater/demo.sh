#!/bin/sh
# heater twice: a subduction run from a typed geotherm (km, Myr, degrees), then a run without
# subduction that starts from the file the first one wrote.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
"$bin/heater" < "$here/answers-subduction.txt" > console-subduction.txt
"$bin/heater" < "$here/answers-continue.txt" > console-continue.txt
echo "heater: transcripts console-subduction.txt and console-continue.txt, arrays subduction.grd and continued.grd, in $out"
