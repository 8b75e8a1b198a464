#!/bin/sh
# How long headless Chromium takes to render grd2svg's map of a smooth 500 x 500 field: the
# median of REPEATS screenshots of the map, and of an empty picture for the browser's own start,
# as wall time and as CPU time (user + system, the browser's processes together), in seconds.
# On a machine shared with other work the CPU time is the figure to trust.  Not part of
# `make bench` (it needs Chromium); run it by hand.
# Usage: map_render_time.sh BIN_DIR [REPEATS]
set -eu
bin=$1
repeats=${2:-5}
browser=$(command -v chromium || command -v chromium-browser)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
awk 'BEGIN { n = 500; print 0, 1, n - 1; print 0, 1, n - 1
             for (r = n - 1; r >= 0; r--) for (c = 0; c < n; c++)
                 print 100 * sin(c / 49.2) * cos(r / 57.4) + c / 8.2 }' > "$dir/smooth.grd"
"$bin/grd2svg" "$dir/smooth.grd" "$dir/map.svg" > /dev/null
printf '<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"/>\n' > "$dir/empty.svg"
echo "map.svg: $(wc -c < "$dir/map.svg") bytes"
median() {  # picture: the median wall and CPU times of the screenshots
    for i in $(seq "$repeats"); do
        /usr/bin/time -f '%e %U %S' -o "$dir/time" "$browser" --headless --no-sandbox \
            --disable-gpu --disable-quic --no-first-run --disable-background-networking \
            --disable-component-update --disable-sync --user-data-dir="$dir/profile" \
            --window-size=1000,800 --screenshot="$dir/shot.png" "file://$dir/$1" > /dev/null 2>&1
        tail -n 1 "$dir/time"
    done > "$dir/times"
    middle=$(( (repeats + 1) / 2 ))
    wall=$(awk '{ print $1 }' "$dir/times" | sort -n | sed -n "${middle}p")
    cpu=$(awk '{ print $2 + $3 }' "$dir/times" | sort -n | sed -n "${middle}p")
    echo "$1: wall $wall s, CPU $cpu s (median of $repeats)"
}
median empty.svg
median map.svg
