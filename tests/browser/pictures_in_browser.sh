#!/bin/sh
# Every picture of the suite in a real browser: runs the tour into a scratch folder, renders the
# example metafile with skm2svg beside its pictures, checks that every SVG parses as XML, then
# opens one page in headless Chromium that holds every picture and frames the tour's index.html.
# The browser draws each picture and counts its dark and light pixels (count_pixels.js); every
# picture must show a drawing and index.html all of its pictures.  One browser start serves them
# all: it costs as much as the rest of the test together.  A blank and a broken picture ride along
# and must be found out, so a check that passes everything fails here.
# Skipped (77) where Chromium is not installed.
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

# The two pictures the check must refuse: nothing drawn, and a document cut short.
mkdir "$dir/controls"
svg='<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">'
printf '%s<title>blank</title></svg>\n' "$svg" >"$dir/controls/blank.svg"
printf '%s<title>broken</title><path d="M 0 0 L 400 300" stroke="#000"\n' "$svg" \
    >"$dir/controls/broken.svg"

page="$dir/tour/all-pictures.html"
{
    printf '<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>pictures</title></head><body>\n'
    for picture in "$dir"/tour/pictures/*.svg; do
        printf '<img src="pictures/%s">\n' "$(basename "$picture")"
    done
    printf '<img src="../controls/blank.svg">\n<img src="../controls/broken.svg">\n'
    printf '<iframe src="index.html" width="1120" height="850"></iframe>\n'
    printf '<script src="file://%s/count_pixels.js"></script>\n</body></html>\n' "$here"
} >"$page"

timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$dir/profile" --allow-file-access-from-files --dump-dom "file://$page" \
    >"$dir/dom.html" 2>"$dir/browser.log" || {
    cat "$dir/browser.log"
    exit 1
}
sed -n '/^VERDICTS$/,/^END$/p' "$dir/dom.html" | sed '1d;$d' >"$dir/verdicts.txt"
cat "$dir/verdicts.txt"

status=0
expect() {  # picture as the page names it, verdict it must have
    grep -q "^$1: $2: " "$dir/verdicts.txt" || {
        echo "$1: expected to be found $2"
        status=1
    }
}
for picture in "$dir"/tour/pictures/*.svg; do
    expect "pictures/$(basename "$picture")" drawn
done
expect index.html drawn
expect ../controls/blank.svg blank
expect ../controls/broken.svg broken
exit $status
