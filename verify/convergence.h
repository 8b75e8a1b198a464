#pragma once
// The error of one method at a sequence of steps or spacings, each half the one before, kept for
// the convergence plot.
#include <string>
#include <vector>

struct ConvergenceSeries {
    std::string label;           // the method and the error measured
    std::vector<double> steps;   // step or spacing, coarse to fine
    std::vector<double> errors;  // the error at each
    double order = 0;            // the order the method promises (the reference slope)
};

// One picture: every series of one program against one kind of step.
struct ConvergenceStudy {
    std::string title;
    std::string stepName;   // the horizontal axis
    std::string errorName;  // the vertical axis
    std::vector<ConvergenceSeries> series;
};
