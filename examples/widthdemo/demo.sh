#!/bin/sh
# widthdemo on a scripted list of numbers and widths.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
"$bin/widthdemo" < "$here/answers.txt" > console.txt
echo "widthdemo: console transcript in $out/console.txt, its file in $out/output"
