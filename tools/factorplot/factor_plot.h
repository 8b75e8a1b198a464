#pragma once
// The pictures of a factor analysis, side by side in one SVG: the scree plot (each eigenvalue
// against its number, on a logarithmic axis when they span more than three decades, with the
// cumulative share of the trace on a second axis at the right) and the loadings of the first two
// factors (each variable an arrow from the origin, at equal scale, labelled with its name).
#include <ostream>
#include <string>

#include "factor_report.h"

void writeFactorPlot(std::ostream& out, const FactorReport& report, const std::string& title);
