// Gridder's kriging of single points (the very routine its second run calls for each node)
// against what ordinary kriging promises and against an independent solve in double precision.
// Cost: 130 kriged points of about 20 neighbours each, and a double inverse of each system.
//
// Single-precision answers cannot match the double solve exactly; each comparison is held to the
// bound that backward-error analysis of the LU solve gives for that very system: the computed
// solution x of A x = b solves (A + dA) x = b with |dA| <= gamma(3N) |L||U| (Crout's method,
// gamma(k) = k u / (1 - k u), u the unit roundoff of float), so that
//   |b - A x| <= gamma(3N) N max|L| max|U| ||x||_1 + (roundings of the entries of A and b),
//   |x - x_exact| <= ||A^-1|| |b - A x|,
// and the estimate sum(w_k z_k) adds the error of its own float sum.
#include <cmath>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include "checks.h"
#include "coefficients.h"
#include "dense_inverse.h"
#include "krige_point.h"

namespace {

constexpr double UNIT_ROUNDOFF = 0x1p-24;
// Roundings in one model value as gridder forms it: the two coordinate differences, the
// distance, t = d / (rMax/2), and the cubic's three products and three sums.
constexpr int ENTRY_ROUNDINGS = 10;
constexpr int DATA = 400;
constexpr float SIDE = 1000;
constexpr int RANDOM_POINTS = 100;
constexpr int DATUM_STRIDE = 13;  // every 13th datum is kriged at its own position

double gamma(int k) { return k * UNIT_ROUNDOFF / (1 - k * UNIT_ROUNDOFF); }

// Scattered values over a 1000 x 1000 square: a smooth surface and a little noise.
struct Scatter {
    std::vector<float> x, y, z;
};

Scatter scatter() {
    Scatter s;
    std::mt19937 random(1);
    std::uniform_real_distribution<float> position(0, SIDE), noise(-5, 5);
    for (int i = 0; i < DATA; ++i) {
        float x = position(random), y = position(random);
        s.x.push_back(x);
        s.y.push_back(y);
        s.z.push_back(float(500 + 100 * std::sin(x / 150.0) * std::cos(y / 200.0)) + noise(random));
    }
    return s;
}

// A zero intercept: the model of a datum with itself is 0, so ordinary kriging must return each
// datum at its own position.  Rising like a spherical model: 1.5 t - 0.5 t^3.
const VariogramModel MODEL{0, 1.5f, 0, -0.5f, float(SIDE * std::sqrt(2.0) / 2)};
constexpr float V_MAX = 1;
constexpr float CUTOFF = 120;

double modelInDouble(double d) {
    double t = d / MODEL.halfRMax;
    double v = MODEL.curve0 + t * (MODEL.curve1 + t * (MODEL.curve2 + t * MODEL.curve3));
    return v < 0 ? 0 : v;
}

double distanceInDouble(double xa, double ya, double xb, double yb) {
    return std::sqrt((xa - xb) * (xa - xb) + (ya - yb) * (ya - yb));
}

struct PointCheck {
    double estimateError = 0;  // |float estimate - reference|
    double estimateBound = 0;
    double sumError = 0;       // |sum of float weights - 1|
    double sumBound = 0;
};

// The same neighbours, the same model, solved afresh in double; reference is the value the
// float estimate must approach (the double solve's estimate, or the datum itself).
PointCheck checkPoint(const Scatter& s, float x0, float y0, const double* reference) {
    static KrigingWork work;
    float cutoff = CUTOFF;
    std::ostringstream console;
    PointEstimate p = krigePoint(MODEL, V_MAX, s.x.data(), s.y.data(), s.z.data(), DATA, x0, y0,
                                 cutoff, work, console);
    int m = p.neighbors, n = m + 1;

    DenseMatrix a(n, std::vector<double>(n, 1.0));
    std::vector<double> b(n, 1.0);
    a[m][m] = 0;
    for (int i = 0; i < m; ++i) {
        int di = work.neighbor[i];
        b[i] = modelInDouble(distanceInDouble(s.x[di], s.y[di], x0, y0));
        for (int k = 0; k < m; ++k) {
            int dk = work.neighbor[k];
            a[i][k] = i == k ? 0 : modelInDouble(distanceInDouble(s.x[di], s.y[di], s.x[dk], s.y[dk]));
        }
    }
    DenseMatrix inverse;
    invert(a, inverse);
    // The float solution (weights and multiplier) and the rows of A in the order of the factors.
    std::vector<double> x(n);
    for (int k = 0; k < n; ++k) x[k] = work.rhs[k];
    std::vector<int> row(n);
    for (int i = 0; i < n; ++i) row[i] = i;
    for (int j = 0; j < n; ++j) std::swap(row[j], row[work.pivot[j]]);
    // |U| |x|, then the residual bound of each original row.
    std::vector<double> ux(n, 0.0), residual(n, 0.0);
    for (int k = 0; k < n; ++k)
        for (int j = k; j < n; ++j) ux[k] += std::fabs(work.matrix[k][j]) * std::fabs(x[j]);
    for (int i = 0; i < n; ++i) {
        double lux = ux[i];
        for (int k = 0; k < i; ++k) lux += std::fabs(work.matrix[i][k]) * ux[k];
        double ax = 0;
        for (int j = 0; j < n; ++j) ax += std::fabs(a[row[i]][j]) * std::fabs(x[j]);
        // The row of ones and its right-hand side 1 are exact; the model values are not.
        double entries = row[i] == m ? 0 : ENTRY_ROUNDINGS * UNIT_ROUNDOFF * (ax + b[row[i]]);
        residual[row[i]] = gamma(3 * n) * lux + entries;
    }
    double exact = 0, weightSum = 0, estimateBound = 0, absoluteTerms = 0;
    for (int k = 0; k < m; ++k) {
        double w = 0, dw = 0;
        for (int j = 0; j < n; ++j) {
            w += inverse[k][j] * b[j];
            dw += std::fabs(inverse[k][j]) * residual[j];
        }
        double zk = s.z[work.neighbor[k]];
        exact += w * zk;
        weightSum += x[k];
        estimateBound += dw * std::fabs(zk);
        absoluteTerms += std::fabs(x[k] * zk);
    }
    PointCheck c;
    c.estimateError = std::fabs(p.estimate - (reference ? *reference : exact));
    c.estimateBound = estimateBound + gamma(m) * absoluteTerms;
    // The weights' row of the system has a zero corner: its residual is 1 - sum(w) itself.
    c.sumError = std::fabs(weightSum - 1);
    c.sumBound = residual[m];
    return c;
}

// The worst point: its error over its bound, with the largest error of all in the text.
Verdict worstVerdict(const std::string& quantity, const std::vector<PointCheck>& checks,
                     bool estimates) {
    double worst = 0, largest = 0;
    for (const PointCheck& c : checks) {
        double error = estimates ? c.estimateError : c.sumError;
        worst = std::fmax(worst, error / (estimates ? c.estimateBound : c.sumBound));
        largest = std::fmax(largest, error);
    }
    Verdict v = boundVerdict(quantity, worst, 1);
    v.measured += " (largest " + realText(largest, 3) + ")";
    return v;
}

}  // namespace

void checkKriging(std::vector<Verdict>& rows, const std::string&) {
    Scatter s = scatter();
    std::vector<PointCheck> atData, atRandom;
    for (int i = 0; i < DATA; i += DATUM_STRIDE) {
        double datum = s.z[i];
        atData.push_back(checkPoint(s, s.x[i], s.y[i], &datum));
    }
    std::mt19937 random(2);
    std::uniform_real_distribution<float> position(0, SIDE);
    for (int i = 0; i < RANDOM_POINTS; ++i) {
        float x0 = position(random), y0 = position(random);
        atRandom.push_back(checkPoint(s, x0, y0, nullptr));
    }
    std::vector<PointCheck> all = atData;
    all.insert(all.end(), atRandom.begin(), atRandom.end());
    rows.push_back(worstVerdict("gridder at data, intercept 0: |est. - datum| / bound",
                                atData, true));
    rows.push_back(worstVerdict("gridder: |sum of weights - 1| / bound", all, false));
    rows.push_back(worstVerdict("gridder at random points: |est. - double| / bound", atRandom,
                                true));
}
