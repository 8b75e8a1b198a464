#!/bin/sh
# Runs every program of the suite that has a demo on example inputs of our own making.
# Usage: demo.sh BIN_DIR OUTPUT_DIR
set -eu
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
for demo in "$here"/*/demo.sh; do
    [ -f "$demo" ] || continue
    name=$(basename "$(dirname "$demo")")
    rm -rf "$out/$name"
    mkdir -p "$out/$name"
    echo "== $name"
    sh "$demo" "$bin" "$out/$name"
done
echo
echo "Demo finished. Each program's console transcript and files are in $out/<program>/."
