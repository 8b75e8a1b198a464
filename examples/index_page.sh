#!/bin/sh
# Writes OUTPUT_DIR/index.html after the tour: one page that walks through its steps in order,
# each with its pictures, a few lines of its result and links to its transcripts and files.
# Whatever a step did not leave (a picture, a file) is left out; the cross-validation summary
# appears when a step wrote one (OUTPUT_DIR/<step>/krigcv-summary.txt).
# Usage: index_page.sh OUTPUT_DIR
set -eu
out=$1
page="$out/index.html"

escaped() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }

open=""
heading() {  # title, what the step does
    printf '%s<section>\n<h2>%s</h2>\n<p>' "$open" "$1"
    open='</section>
'
    printf '%s' "$2" | escaped
    printf '</p>\n'
}
pictures() {  # picture file names in pictures/, each followed by its caption
    while [ $# -ge 2 ]; do
        if [ -f "$out/pictures/$1" ]; then
            printf '<figure><a href="pictures/%s"><img src="pictures/%s" alt="%s"></a>' "$1" "$1" "$2"
            printf '<figcaption>%s</figcaption></figure>\n' "$2"
        fi
        shift 2
    done
}
result() {  # the result lines on standard input
    printf '<pre>'
    escaped
    printf '</pre>\n'
}
files() {  # step folder, then the files of that folder to link
    dir=$1
    shift
    printf '<p class="files">%s/:' "$dir"
    for f in "$@"; do
        [ -f "$out/$dir/$f" ] && printf ' <a href="%s/%s">%s</a>' "$dir" "$f" "$f"
    done
    printf '</p>\n'
}
lines() {  # file, sed expression: the result lines of a file that exists
    if [ -f "$1" ]; then sed -n "$2" "$1"; fi
}

{
cat <<'HEAD'
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>The suite's tour, step by step</title>
<style>
body { font-family: sans-serif; max-width: 70em; margin: 2em auto; padding: 0 1em; color: #222; }
section { border-top: 1px solid #ccc; padding-top: 0.5em; }
figure { display: inline-block; margin: 0.5em 1em 0.5em 0; vertical-align: top; }
img { max-width: 100%; width: 34em; border: 1px solid #ddd; }
pre { background: #f6f6f6; padding: 0.5em; overflow-x: auto; }
</style>
</head>
<body>
<h1>The suite's tour, step by step</h1>
<p>What <code>make demo</code> ran, in order: each step's pictures, a few lines of its result,
and its console transcripts and files.</p>
HEAD

heading "1. gridder, first run: the variogram" \
    "gridder reads 150 scattered elevations, bins every pair of them by distance and writes the variogram."
lines "$out/gridder/console-first-run.txt" '/^Reading of data completed/p;/^Diagonal of this dataset/p' | result
files gridder elevations.txt console-first-run.txt variogram.txt

heading "2. varfit: the variogram polynomial" \
    "varfit fits gridder's cubic variogram polynomial to that file: curve0 to curve3 and vMax, ready for gridder's second run. Its notes give the model in the data's units, as the mean squared difference (2 gamma, what gridder calls the variance) and as semivariance (gamma, half of it, as other packages print it)."
pictures variogram.svg "binned mean squared differences (points), the fitted model (solid where fitted, dashed beyond) and the pairs per bin"
if [ -f "$out/gridder/polynomial.txt" ]; then
    printf 'curve0\ncurve1\ncurve2\ncurve3\nvMax\n' | paste -d ' ' - "$out/gridder/polynomial.txt" | result
fi
lines "$out/gridder/varfit-notes.txt" 's/^varfit: //p' | result
files gridder polynomial.txt varfit-notes.txt

heading "3. gridder, second run: kriging" \
    "gridder kriges a 21 x 17 grid with that polynomial and writes the estimates and their standard deviations; grd2svg draws both as filled-contour maps with the data points on top, the elevations greyed out where no datum is near (farther than 3 times the median distance between neighbouring data). The uncertainty grows away from the data."
pictures elevations-map.svg "kriged elevations with the data points, grey far from every datum" \
    deviations-map.svg "standard deviations of the estimates, with the data points"
lines "$out/gridder/console-second-run.txt" '/rows of points done/p;/^KRIGING COMPLETED/p' | tail -n 2 | result
files gridder second-run.txt console-second-run.txt elevations.grd deviations.grd

heading "The kriged map for a GIS: gridconv" \
    "gridconv writes the kriged elevations as netCDF (CF-1.8, node registered, coordinates x and y) and as an ESRI ASCII grid, the two forms GIS and analysis tools open. The netCDF header, as ncdump -h prints it:"
if [ -f "$out/gridder/elevations-nc-header.txt" ]; then result < "$out/gridder/elevations-nc-header.txt"; fi
files gridder elevations.nc elevations.asc elevations-nc-header.txt

for summary in "$out"/*/krigcv-summary.txt; do
    [ -f "$summary" ] || continue
    dir=$(basename "$(dirname "$summary")")
    heading "Cross-validation of the kriging" \
        "Each datum left out in turn and estimated from the others: how far the estimates miss, against the standard deviations kriging claims."
    pictures krigcv.svg "observed against estimated values"
    result < "$summary"
    files "$dir" krigcv-summary.txt nugget.txt old-fit-through-zero.txt krigcv-residuals.txt
done

heading "4. hypoview: the kriged topography over hypocentres" \
    "hypoview draws the kriged surface over 300 hypocentres on a dipping slab, in perspective, and fits the drawing to the plot rectangle; skm2svg renders the metafile."
pictures topography.svg "kriged topography over hypocentres"
files hypoview answers.txt console.txt topography.skm

heading "5. orbits: a star and two planets" \
    "orbits follows the three bodies with the second predictor-corrector method; the fractional errors show how well it keeps angular momentum and energy."
pictures orbits.svg "orbits of the two planets"
lines "$out/orbits/console.txt" '/^Fractional error/p' | result
files orbits console-preview.txt console.txt History.txt planets.skm

heading "6. heater: a subduction zone" \
    "heater heats a subduction zone from a typed geotherm, then continues from its own file; grd2svg draws the section with its isotherms, depth downward."
pictures isotherms.svg "temperatures of the subduction zone, isotherms in degrees"
lines "$out/heater/subduction.grd" '/\^ at/p' | tail -n 1 | result
files heater console-subduction.txt console-continue.txt subduction.grd continued.grd

heading "7. hypoview: heater's temperatures as a surface" \
    "hypoview reads the first array of heater's file as a surface, scaled by 0.05."
pictures temperatures.svg "temperatures of a subduction zone as a surface"
files hypoview-heater answers.txt console.txt temperatures.skm

heading "8. factor: principal factors of rock analyses" \
    "factor finds the principal factors of a table of rock analyses; factorplot draws the scree plot and the loadings of the first two factors."
pictures factors.svg "scree plot and loadings"
lines "$out/factor/rocks-report.txt" '/^Eigenvalues and their relative sizes/,/^$/p' | result
files factor rocks.txt console.txt rocks-report.txt

heading "9. The small demonstrations" \
    "widthdemo shows the fixed-width formatter at work; speed and speed90 time 10^9 floating-point operations."
lines "$out/speed90/console.txt" '/[0-9]/p' | tail -n 3 | result
files widthdemo console.txt output
files speed console.txt
files speed90 console.txt

printf '%s</body>\n</html>\n' "$open"
} > "$page"
