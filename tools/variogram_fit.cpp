#include "variogram_fit.h"

#include <cmath>
#include <sstream>

#include "coefficients.h"
#include "notation.h"
#include "read_number.h"

namespace {

constexpr int SAMPLES = 51;  // gridder tests P at t = 0, 0.02, ..., 1
constexpr int TERMS = 4;
constexpr double FEASIBILITY_TOLERANCE = 1e-12;

std::string general6(double value) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, value, 6);
    return text;
}

// The value gridder stores when it reads the printed number.
float asGridderReadsIt(double value) {
    std::istringstream in(general6(value));
    float f = 0;
    readReal(in, f);
    return f;
}

double sampleT(int i) { return static_cast<float>(i * 0.02); }

double polynomial(const double c[TERMS], double t) { return c[0] + t * (c[1] + t * (c[2] + t * c[3])); }

// Solves the n x n system a x = b in place by elimination with partial pivoting; false when
// singular.
bool solve(int n, double a[][TERMS + 3], double b[]) {
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-300) return false;
        for (int k = 0; k < n; ++k) std::swap(a[col][k], a[pivot][k]);
        std::swap(b[col], b[pivot]);
        for (int r = col + 1; r < n; ++r) {
            double m = a[r][col] / a[col][col];
            for (int k = col; k < n; ++k) a[r][k] -= m * a[col][k];
            b[r] -= m * b[col];
        }
    }
    for (int r = n - 1; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < n; ++k) s -= a[r][k] * b[k];
        b[r] = s / a[r][r];
    }
    return true;
}

// Weighted least squares in the normal-equation form: minimise c' G c - 2 h' c + const.
struct Problem {
    double g[TERMS][TERMS] = {};
    double h[TERMS] = {};
    double yy = 0;

    double objective(const double c[TERMS]) const {
        double v = yy;
        for (int i = 0; i < TERMS; ++i) {
            v -= 2 * h[i] * c[i];
            for (int j = 0; j < TERMS; ++j) v += c[i] * g[i][j] * c[j];
        }
        return v;
    }
};

// The minimum of the problem with P = 0 at the chosen samples; false when the system is singular.
bool constrainedMinimum(const Problem& p, const int* zeros, int count, double c[TERMS]) {
    double a[TERMS + 3][TERMS + 3] = {};
    double b[TERMS + 3] = {};
    int n = TERMS + count;
    for (int i = 0; i < TERMS; ++i) {
        for (int j = 0; j < TERMS; ++j) a[i][j] = p.g[i][j];
        b[i] = p.h[i];
    }
    for (int k = 0; k < count; ++k) {
        double t = sampleT(zeros[k]), power = 1;
        for (int j = 0; j < TERMS; ++j, power *= t) a[TERMS + k][j] = a[j][TERMS + k] = power;
    }
    if (!solve(n, a, b)) return false;
    for (int i = 0; i < TERMS; ++i) c[i] = b[i];
    return true;
}

bool feasible(const double c[TERMS]) {
    for (int i = 0; i < SAMPLES; ++i)
        if (polynomial(c, sampleT(i)) < -FEASIBILITY_TOLERANCE) return false;
    return true;
}

// The best polynomial that stays non-negative on the samples.  The optimum of this small convex
// problem has at most three samples where P touches zero (four would make P vanish), so trying
// every set of up to three touching samples, and the zero polynomial, finds it.
void bestFeasible(const Problem& p, double best[TERMS]) {
    for (int i = 0; i < TERMS; ++i) best[i] = 0;
    double bestValue = p.objective(best);
    double c[TERMS];
    auto consider = [&](const int* zeros, int count) {
        if (constrainedMinimum(p, zeros, count, c) && feasible(c)) {
            double value = p.objective(c);
            if (value < bestValue) {
                bestValue = value;
                for (int i = 0; i < TERMS; ++i) best[i] = c[i];
            }
        }
    };
    consider(nullptr, 0);
    int z[3];
    for (z[0] = 0; z[0] < SAMPLES; ++z[0]) {
        consider(z, 1);
        for (z[1] = z[0] + 1; z[1] < SAMPLES; ++z[1]) {
            consider(z, 2);
            for (z[2] = z[1] + 1; z[2] < SAMPLES; ++z[2]) consider(z, 3);
        }
    }
}

bool gridderAccepts(const double c[TERMS]) {
    float f[TERMS];
    for (int i = 0; i < TERMS; ++i) f[i] = asGridderReadsIt(c[i]);
    if (f[0] < 0) return false;
    if (f[0] == 0 && f[1] < 0) return false;
    return staysNonNegative(f[0], f[1], f[2], f[3]);
}

// Printing rounds to 6 digits, which can push a sample that touches zero just below it: lift the
// intercept (which lifts every sample) by the smallest step that makes gridder accept the numbers.
void makeAcceptable(double c[TERMS]) {
    for (int i = 0; i < TERMS; ++i)
        if (!std::isfinite(c[i])) c[0] = c[1] = c[2] = c[3] = 0;
    if (c[0] < 0) c[0] = 0;
    double step = 1e-7;
    for (int i = 0; i < TERMS; ++i) step = std::fmax(step, 1e-7 * std::fabs(c[i]));
    double base = c[0];
    while (!gridderAccepts(c)) {
        c[0] = base + step;
        step *= 2;
    }
}

bool readField(std::istream& line, double& value) { return readReal(line, value); }

}  // namespace

bool readVariogramFile(std::istream& in, std::vector<VariogramBin>& bins, std::string& error) {
    std::string text;
    int lineNumber = 0;
    bins.clear();
    while (std::getline(in, text)) {
        ++lineNumber;
        if (lineNumber <= 2) continue;  // title and heading
        std::istringstream line(text);
        double number, pairs;
        VariogramBin bin;
        if (!readField(line, number)) {
            line.clear();
            std::string rest;
            if (!readWord(line, rest)) continue;  // an empty line
        }
        if (!(readField(line, bin.minR) && readField(line, bin.maxR) && readField(line, pairs) &&
              readField(line, bin.variance)) ||
            pairs < 0) {
            error = "line " + std::to_string(lineNumber) +
                    " is not a bin line (number, Min. r, Max. r, pairs, variance)";
            return false;
        }
        bin.pairs = static_cast<long>(pairs);
        bins.push_back(bin);
    }
    if (lineNumber < 2) {
        error = "the file has no title and heading lines";
        return false;
    }
    return true;
}

bool fitVariogram(const std::vector<VariogramBin>& bins, double rMax, VariogramFit& fit,
                  std::string& error) {
    double half = 0.5 * rMax;
    fit = VariogramFit{};
    for (const VariogramBin& bin : bins)
        if (bin.pairs > 0 && 0.5 * (bin.minR + bin.maxR) <= half) {
            fit.vMax = std::fmax(fit.vMax, bin.variance);
            ++fit.binsUsed;
        }
    if (fit.binsUsed == 0) {
        error = "no bin with pairs lies within rMax/2";
        return false;
    }
    Problem p;
    double scale = fit.vMax > 0 ? fit.vMax : 1;
    for (const VariogramBin& bin : bins) {
        double t = 0.5 * (bin.minR + bin.maxR) / half;
        if (bin.pairs <= 0 || t > 1) continue;
        double w = static_cast<double>(bin.pairs);
        double y = bin.variance / scale;
        double power[TERMS] = {1, t, t * t, t * t * t};
        for (int i = 0; i < TERMS; ++i) {
            p.h[i] += w * power[i] * y;
            for (int j = 0; j < TERMS; ++j) p.g[i][j] += w * power[i] * power[j];
        }
        p.yy += w * y * y;
    }
    // A whisper of ridge keeps the system solvable when fewer than four bins take part.
    double trace = p.g[0][0] + p.g[1][1] + p.g[2][2] + p.g[3][3];
    for (int i = 0; i < TERMS; ++i) p.g[i][i] += 1e-12 * trace;
    bestFeasible(p, fit.curve);
    makeAcceptable(fit.curve);
    return true;
}

std::string fitAnswers(const VariogramFit& fit) {
    std::string text;
    for (double c : fit.curve) text += general6(c) + "\n";
    return text + general6(fit.vMax) + "\n";
}
