#pragma once
// The leave-one-out statistics of fields whose model is known, and the bands they must keep.
#include "cross_validation_summary.h"
#include "verdict.h"

// Three standard deviations of the mean standardized error of n errors taken as independent: the
// band of the example elevations, whose covariance is not known.
double independentMeanBand(int n);

// The example's row: its mean standardized error within that band, and no datum left out of it.
Verdict exampleMeanVerdict(const CrossValidationSummary& s);

struct FieldsLeaveOneOut {
    int fields = 0, data = 0, zeroDeviations = 0;
    // Averaged over the fields, each over its data with a standard deviation above 0.
    double meanStandardized = 0, meanSquaredStandardized = 0;
    // Three standard deviations of each average when the model is right (leave_one_out_spread.h).
    double meanBand = 0, squaresBand = 0;
};

constexpr int LEAVE_ONE_OUT_FIELDS = 12;

// Leave-one-out of Gaussian fields of 400 values each (seeds 1, 2, ...) with the spherical
// variogram (range 707, the half diagonal of their 1000 x 1000 square; variance 100), kriged by
// krigcv's routine with the fields' own model, its vMax multiplied by vMaxFactor (1: the right
// model), cutoff 120.  Cost per field: a Cholesky factor of order 400, 400 kriged points, and as
// many solves in double for the band.
FieldsLeaveOneOut fieldsLeaveOneOut(int fields, double vMaxFactor);
