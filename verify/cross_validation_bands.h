#pragma once
// The leave-one-out statistics of a model that is right, and the bands they must keep.
#include "cross_validation_summary.h"

// Three standard deviations of the mean standardized error (about 0) and of the mean squared
// standardized error (about 1) over the data with a standard deviation above 0.
double meanBand(const CrossValidationSummary& s);
double squaresBand(const CrossValidationSummary& s);

// Leave-one-out of 400 values of a Gaussian field with the spherical variogram (range 707, the
// half diagonal of its 1000 x 1000 square; variance 100; seed fixed), kriged by krigcv's routine
// with the field's own model, its vMax multiplied by vMaxFactor (1: the right model).
CrossValidationSummary fieldLeaveOneOut(double vMaxFactor);
