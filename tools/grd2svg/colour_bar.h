#pragma once
// The colour bar beside a map: stepped at the contour levels when the map is filled (each step in
// its band's colour, as on the map), a smooth scale with round ticks when the map is drawn cell
// by cell, one colour with its value for a constant field.  Its labels are thinned until they no
// longer touch, however short the bar.
#include <ostream>
#include <string>
#include <vector>

#include "plot_axes.h"

// The least height of the bar, whatever the map's shape.
constexpr double MIN_BAR_HEIGHT = 240;

struct BarScale {
    double lo = 0, hi = 0;
    std::vector<double> levels;  // the steps; none for a smooth scale
    double interval = 0;         // the levels' interval
    bool stepped = true;
    std::string unit;  // written above the bar
};

// The labels the bar shows for a bar of the given height, and their values.
std::vector<std::pair<double, std::string>> barLabels(const BarScale& scale, double height);

// The width the bar's labels and unit take beside and above a bar of that height.
double barLabelWidth(const BarScale& scale, double height);

void writeColourBar(std::ostream& out, const PlotArea& bar, const BarScale& scale);
