#!/bin/sh
# factor on a table of twelve rock analyses: all six eigenvalues sought, two factors kept.
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$out"
cp "$here/rocks.txt" .
"$bin/factor" < "$here/answers.txt" > console.txt
echo "factor: console transcript in $out/console.txt, its report in $out/rocks-report.txt"
