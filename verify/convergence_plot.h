#pragma once
// The convergence studies as one SVG picture: a log-log panel per study, error against step or
// spacing, each series as dots joined by a line, with a dashed reference line of the order the
// method promises through its finest point.
#include <ostream>
#include <vector>

#include "convergence.h"

void writeConvergencePlot(std::ostream& out, const std::vector<ConvergenceStudy>& studies);
