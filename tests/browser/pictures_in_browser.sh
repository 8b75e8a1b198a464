#!/bin/sh
# Every picture of the suite in a real browser: runs the tour into a scratch folder, renders the
# example metafile with skm2svg beside its pictures, checks that every SVG parses as XML, then
# opens each picture and the tour's index.html in headless Chromium, takes a screenshot and
# checks that it shows a drawing.  Skipped (77) where Chromium is not installed.
# Usage: pictures_in_browser.sh BIN_DIR EXAMPLE.skm
set -eu
bin=$(cd "$1" && pwd)
metafile=$2
here=$(cd "$(dirname "$0")" && pwd)
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
    echo "chromium is not installed: skipped"
    exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
sh "$here/../../examples/demo.sh" "$bin" "$dir/tour" >"$dir/tour.log" 2>&1 || {
    cat "$dir/tour.log"
    exit 1
}
"$bin/skm2svg" "$metafile" "$dir/tour/pictures/example-metafile.svg" >/dev/null
python3 - "$dir/tour/pictures" <<'PY'
import glob, sys, xml.etree.ElementTree as ET
names = sorted(glob.glob(sys.argv[1] + '/*.svg'))
for name in names:
    root = ET.parse(name).getroot()
    assert root.tag == '{http://www.w3.org/2000/svg}svg', name
print(f'{len(names)} pictures parse as XML')
PY
shoot() {  # file to open, screenshot
    timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$dir/profile" --window-size=1120,850 --hide-scrollbars \
        --screenshot="$2" "file://$1" >"$dir/browser.log" 2>&1 || {
        cat "$dir/browser.log"
        exit 1
    }
    printf '%s: ' "$(basename "$1")"
    python3 "$here/png_not_blank.py" "$2"
}
for picture in "$dir"/tour/pictures/*.svg; do
    shoot "$picture" "$dir/shot.png"
done
shoot "$dir/tour/index.html" "$dir/shot.png"
