#!/bin/sh
# orbits on a star with two planets: a preview without histories (explicit method), then a run
# that follows both planets (predictor-corrector, variant 2) into History.txt and planets.skm.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
cp "$here/answers.txt" "$here/preview.txt" .
"$bin/orbits" < preview.txt > preview-console.txt
"$bin/orbits" < answers.txt > console.txt
echo "orbits: console transcripts in $out/preview-console.txt and $out/console.txt, files History.txt and planets.skm beside them"
