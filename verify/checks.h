#pragma once
// The groups of checks.  Each appends its verdicts to rows; the convergence studies also
// hand their error sequences to the plot.
#include <string>
#include <vector>

#include "convergence.h"
#include "verdict.h"

void checkOrbits(std::vector<Verdict>& rows, std::vector<ConvergenceStudy>& studies);
void checkHeater(std::vector<Verdict>& rows, std::vector<ConvergenceStudy>& studies);
void checkKriging(std::vector<Verdict>& rows);
void checkEigen(std::vector<Verdict>& rows);
// The example elevations, read from exampleDirectory/gridder.
void checkCrossValidation(std::vector<Verdict>& rows, const std::string& exampleDirectory);
