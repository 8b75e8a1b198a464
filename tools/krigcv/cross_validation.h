#pragma once
// Leave-one-out cross-validation of gridder's kriging: every datum kriged at its own position from
// all the others, exactly as gridder's second run would krige a grid node placed there with that
// datum left out of the file.
#include "krigcv_inputs.h"
#include "neighbors.h"

struct HeldOutEstimate {
    float estimate = 0;
    float standardDeviation = 0;
    // The search gave up, the weights were ill-conditioned, data at one position among the
    // neighbours were kriged as one, or the system was singular: what gridder warns about; or the
    // kriging variance came out negative.
    bool warned = false;
    // The variance came out below -roundingVariance(vMax) before it was set to 0: no rounding
    // explains that, only a model that is not a valid variogram at these distances.
    bool negativeVariance = false;
    // The variance is at most roundingVariance(vMax) (negative ones included): the standard
    // deviation cannot be told from 0 and the standardized error means nothing.
    bool atRoundingLevel = false;
};

// The largest kriging variance that single-precision rounding cannot tell from 0, for a model
// scaled by vMax.  The variance is vMax s, where s = sum_k w_k b_k - 1/2 sum_j sum_k w_j w_k A_jk
// is summed in one float: its terms are model values, of order 1 because the polynomial's
// coefficients are (vMax carries the scale), times weights that sum to 1, so the running sum
// stays of order 1 and each of its m + m^2 additions may round it by up to u = 2^-24.  Rounding
// errors of that many independent additions grow like a random walk, by about sqrt(m + m^2),
// which is close to m, units of u; with m up to MAX_NEIGHBORS = 50 neighbours, |s| <= 50 u
// = 2.98e-6 is rounding.  So a variance of at most 2.98e-6 vMax, a standard deviation of at
// most 1.73e-3 sqrt(vMax), counts as 0, and one below -2.98e-6 vMax is truly negative.  (At data
// positions with no nugget, where s is 0 in exact arithmetic, valid models leave |s| below 1e-10.)
double roundingVariance(float vMax);

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
