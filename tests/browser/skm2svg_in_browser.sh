#!/bin/sh
# Renders an example metafile with skm2svg, opens the picture in headless Chromium, takes a
# screenshot and checks that it shows a drawing.  Skipped (77) where Chromium is not installed.
set -eu
skm2svg=$1
metafile=$2
here=$(cd "$(dirname "$0")" && pwd)
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
    echo "chromium is not installed: skipped"
    exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$skm2svg" "$metafile" "$dir/picture.svg"
timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$dir/profile" --window-size=1090,850 --hide-scrollbars \
    --screenshot="$dir/shot.png" "file://$dir/picture.svg" >"$dir/browser.log" 2>&1 || {
    cat "$dir/browser.log"
    exit 1
}
python3 "$here/png_not_blank.py" "$dir/shot.png"
