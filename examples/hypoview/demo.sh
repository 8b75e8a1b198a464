#!/bin/sh
# hypoview on a small topography grid and a cloud of hypocentres beneath it.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
cp "$here/topo.grd" "$here/quakes.txt" .
"$bin/hypoview" < "$here/answers.txt" > console.txt
echo "hypoview: console transcript in $out/console.txt, the fitted metafile in $out/hypoview.skm"
