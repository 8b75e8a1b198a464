#pragma once
// Leave-one-out cross-validation of gridder's kriging: every datum kriged at its own position from
// all the others, exactly as gridder's second run would krige a grid node placed there with that
// datum left out of the file.
#include "krigcv_inputs.h"
#include "neighbors.h"

struct HeldOutEstimate {
    float estimate = 0;
    float standardDeviation = 0;
    // The search gave up, the weights were ill-conditioned, or data at one position among the
    // neighbours were kriged as one: what gridder warns about.
    bool warned = false;
};

// The arrays that main owns for the run: the data without the one left out, and the kriging
// work arrays.
struct CrossValidationWork {
    float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
    KrigingWork kriging;
};

// Kriges datum i = 0..n-1 from the other n - 1, in file order, with a fresh copy of cutoff for
// each and halfRMax of the whole dataset; result[i] receives it.  gridder's console lines for
// every point are dropped.  Cost: n kriging calls on n - 1 data, each a scan of the data per
// radius tried and an O(m^3) solve; the data without datum i are kept up to date with one move
// per datum, so the order of the others, on which the arithmetic depends, is the file's.
void crossValidate(const PolynomialModel& model, const float x[], const float y[], const float z[],
                   int n, float halfRMax, float cutoff, CrossValidationWork& work,
                   HeldOutEstimate result[]);
