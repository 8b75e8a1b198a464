#pragma once
// An SVG picture of a cross-validation: each datum's observed value against its leave-one-out
// estimate, one dot a datum, with the 1:1 line on which a perfect model would put every dot.
// Both axes share one range with round ticks (the shared axes module), so that the line is the
// square's diagonal.  Cost: two passes over the data; a datum whose value or estimate is not
// finite is left out.
#include <ostream>

#include "cross_validation.h"

void writeCrossValidationPlot(std::ostream& out, const float observed[],
                              const HeldOutEstimate estimate[], int n);
