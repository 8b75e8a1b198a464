#!/bin/sh
# gridder in both of its runs on a made-up elevation survey of 150 points: the first run writes
# the variogram, the second kriges a 21 x 17 grid with a polynomial fitted to that variogram.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
cp "$here/elevations.txt" .
"$bin/gridder" < "$here/first-run.txt" > console-first-run.txt
"$bin/gridder" < "$here/second-run.txt" > console-second-run.txt
echo "gridder: transcripts in $out/console-first-run.txt and console-second-run.txt;" \
     "files variogram.txt, elevations.grd, deviations.grd"
