#pragma once
// An SVG plot of a variogram file with its fitted model.  Above: the binned mean squared
// differences (2 gamma) as points, those the fit used in colour and those beyond the fit range in
// grey, and the model vMax * P(r / (rMax/2)) out to the whole diagonal, solid within the fit range
// and dashed beyond it.  Below, on the same distances: the pair count of every bin as a bar.
#include <ostream>
#include <vector>

#include "variogram_fit.h"

void writeVariogramPlot(std::ostream& out, const std::vector<VariogramBin>& bins, double rMax,
                        const VariogramFit& fit);
