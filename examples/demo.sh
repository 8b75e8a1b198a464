#!/bin/sh
# The suite's main job, end to end, on example data of our own making:
#   gridder's first run (variogram) -> varfit -> gridder's second run (kriged grid)
#   -> gridconv (the map as netCDF and ESRI ASCII grid) -> krigcv (how far to trust it) -> hypoview of the kriged topography with hypocentres on a
#   dipping slab;
#   orbits with histories; heater with subduction -> hypoview of its temperatures; factor;
#   then the small demonstrations.  Every metafile is rendered to SVG with skm2svg; the kriged
#   grids and heater's section are drawn as maps with grd2svg, factor's report with factorplot;
#   index.html walks through the steps with their pictures, results and files.
# Usage: demo.sh BIN_DIR OUTPUT_DIR
set -eu
bin=$1
out=$2
ex=$(cd "$(dirname "$0")" && pwd)
rm -rf "$out"
mkdir -p "$out/pictures"

step() {
    echo
    echo "== $1"
    mkdir -p "$out/$2"
    cd "$out/$2"
}
picture() {  # metafile, picture name
    "$bin/skm2svg" "$1" "$out/pictures/$2" >/dev/null
    echo "   picture: $out/pictures/$2"
}

step "gridder, first run: the variogram of 150 scattered elevations" gridder
cp "$ex/gridder/elevations.txt" .
"$bin/gridder" < "$ex/gridder/first-run.txt" > console-first-run.txt
rmax=$(sed -n 's/^Diagonal of this dataset is \(.*\) long\.$/\1/p' console-first-run.txt | head -n 1)
echo "   diagonal rMax = $rmax; variogram in $out/gridder/variogram.txt"

step "varfit: the variogram polynomial fitted to that file" gridder
# The diagonal need not be typed: the variogram file holds it.
"$bin/varfit" variogram.txt "$out/pictures/variogram.svg" > polynomial.txt 2> varfit-notes.txt
echo "   curve0..curve3 and vMax: $(tr '\n' ' ' < polynomial.txt)"
sed 's/^/   /' varfit-notes.txt
echo "   picture: $out/pictures/variogram.svg"

step "gridder, second run: kriging a 21 x 17 grid with that polynomial" gridder
{
    printf 'elevations.txt\nyes\n0 1000\n0 800\n21 17\n'
    cat polynomial.txt
    printf '200\nelevations.grd\ndeviations.grd\n'
} > second-run.txt
"$bin/gridder" < second-run.txt > console-second-run.txt
echo "   estimates in $out/gridder/elevations.grd, standard deviations in deviations.grd"

step "grd2svg: the kriged elevations and their standard deviations as maps, with the data" gridder
"$bin/grd2svg" elevations.grd "$out/pictures/elevations-map.svg" --points elevations.txt \
    --mask-distance auto >/dev/null
"$bin/grd2svg" deviations.grd "$out/pictures/deviations-map.svg" --points elevations.txt >/dev/null
echo "   pictures: $out/pictures/elevations-map.svg and deviations-map.svg"

step "gridconv: the kriged elevations as netCDF and as an ESRI ASCII grid, for a GIS" gridder
"$bin/gridconv" elevations.grd elevations.nc --name elevation --long-name "kriged elevation" \
    >/dev/null
"$bin/gridconv" elevations.grd elevations.asc >/dev/null
# The header as a netCDF reader sees it, where netcdf-bin is installed.
if command -v ncdump >/dev/null 2>&1; then ncdump -h elevations.nc > elevations-nc-header.txt; fi
echo "   $out/gridder/elevations.nc and elevations.asc"

step "krigcv: each datum kriged from the others, varfit's model against two others" gridder
# Two poorer models on purpose: a pure nugget of the same vMax (no growth with distance, so every
# neighbour weighs the same), and the cubic an earlier varfit fitted by pair counts alone, through
# zero at r = 0 (kept in examples/gridder/old-fit-through-zero.txt).
printf '1\n0\n0\n0\n%s\n' "$(sed -n 5p polynomial.txt)" > nugget.txt
cp "$ex/gridder/old-fit-through-zero.txt" .
"$bin/krigcv" elevations.txt 200 polynomial.txt nugget.txt old-fit-through-zero.txt \
    --residuals krigcv-residuals.txt --plot "$out/pictures/krigcv.svg" > krigcv-summary.txt
sed 's/^/   /' krigcv-summary.txt
echo "   residuals of varfit's model in $out/gridder/krigcv-residuals.txt"
echo "   picture: $out/pictures/krigcv.svg"

step "hypoview: the kriged topography over 300 hypocentres on a dipping slab" hypoview
cp "$ex/tour/slab-quakes.txt" .
printf '../gridder/elevations.grd\nslab-quakes.txt\ntopography.skm\nn\n-1200 -1500 1400\n' > answers.txt
"$bin/hypoview" < answers.txt > console.txt
picture topography.skm topography.svg

step "orbits: a star and two planets, both followed" orbits
"$bin/orbits" < "$ex/orbits/preview.txt" > console-preview.txt
"$bin/orbits" < "$ex/orbits/answers.txt" > console.txt
echo "   log in $out/orbits/History.txt"
picture planets.skm orbits.svg

step "heater: a subduction zone heated from a typed geotherm, then continued" heater
"$bin/heater" < "$ex/heater/answers-subduction.txt" > console-subduction.txt
"$bin/heater" < "$ex/heater/answers-continue.txt" > console-continue.txt
echo "   temperature arrays in $out/heater/subduction.grd and continued.grd"
"$bin/grd2svg" subduction.grd "$out/pictures/isotherms.svg" >/dev/null
echo "   picture: $out/pictures/isotherms.svg"

step "hypoview: heater's temperatures as a surface (scaled by 0.05)" hypoview-heater
printf '../heater/subduction.grd\nnone\nyes\ntemperatures.skm\nY\n0.05\n-150 -200 150\n' > answers.txt
"$bin/hypoview" < answers.txt > console.txt 2> errors.txt
picture temperatures.skm temperatures.svg

step "factor: principal factors of a table of rock analyses" factor
cp "$ex/factor/rocks.txt" .
"$bin/factor" < "$ex/factor/answers.txt" > console.txt
echo "   report in $out/factor/rocks-report.txt"
"$bin/factorplot" rocks-report.txt "$out/pictures/factors.svg" >/dev/null
echo "   picture: $out/pictures/factors.svg"

for demo in widthdemo speed speed90; do
    step "$demo" "$demo"
    "$bin/$demo" < "$ex/$demo/answers.txt" > console.txt
done
echo "   widthdemo's file in $out/widthdemo/output"

sh "$ex/index_page.sh" "$out"
echo
echo "Demo finished. Console transcripts and files are in $out/<step>/, pictures in $out/pictures/;"
echo "$out/index.html walks through them."
