#pragma once
// An SVG plot of a variogram file with its fitted model: the binned variances as points (bins
// without pairs left out) and the model vMax * P(r / (rMax/2)) as a curve up to rMax/2.
#include <ostream>
#include <vector>

#include "variogram_fit.h"

void writeVariogramPlot(std::ostream& out, const std::vector<VariogramBin>& bins, double rMax,
                        const VariogramFit& fit);
