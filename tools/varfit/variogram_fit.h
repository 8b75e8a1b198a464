#pragma once
// Fitting gridder's variogram model to its variogram file.
//
// The model variance at distance r is vMax * P(r / (rMax/2)), P(t) = curve0 + curve1 t +
// curve2 t^2 + curve3 t^3.  The fit follows the binned variances at distances up to rMax/2, each
// bin weighted by its pair count, and never proposes a polynomial that gridder refuses: a
// non-negative intercept (and a non-negative slope where the intercept is 0), and no sample of P
// at t = 0, 0.02, ..., 1 below zero, all as gridder reads and evaluates the printed numbers.
// Kriging evaluates the model for any distance up to the data's whole diagonal (t = 2) and puts 0
// where it is negative, so the fit is held at or above zero out to t = 2 as well.
#include <istream>
#include <string>
#include <vector>

struct VariogramBin {
    double minR = 0, maxR = 0;
    long pairs = 0;
    double variance = 0;
};

// Reads the bins of a variogram file as gridder writes it (a title line, a heading line, then
// one line per bin: number, Min. r, Max. r, pair count, variance).  False with a message naming
// the line when the file does not have that form.
bool readVariogramFile(std::istream& in, std::vector<VariogramBin>& bins, std::string& error);

struct VariogramFit {
    double curve[4] = {0, 0, 0, 0};
    double vMax = 0;
    int binsUsed = 0;
    // Where the best fit held non-negative only within rMax/2 would first go below zero (a t in
    // (1, 2]), so that the hold out to the diagonal changed the fit; 0 when it did not.
    double heldFrom = 0;
};

// Fits the model to the bins whose centre lies at most rMax/2 away.  False with a message when no
// bin with pairs lies there.  The coefficients returned are the ones to print: written in general
// notation with 6 significant digits and read back as gridder reads them, they pass its test.
bool fitVariogram(const std::vector<VariogramBin>& bins, double rMax, VariogramFit& fit,
                  std::string& error);

// The note for the error stream when the hold out to the diagonal changed the fit: where the fit
// within rMax/2 alone would have gone below zero, and what to do.
std::string heldNote(const VariogramFit& fit, double rMax);

// The five numbers in the order gridder asks for them (curve0..curve3, vMax), one a line, in
// general notation with 6 significant digits.
std::string fitAnswers(const VariogramFit& fit);
