// The comparison behind verify's kriging rows.  Single-precision answers cannot match the double
// solve exactly; each is held to the componentwise bound that backward-error analysis gives for
// the very LU factors used: the computed solution x of A x = b solves (A + dA) x = b with
// |dA| <= gamma(3N) |L||U| (Crout's method; gamma(k) = k u / (1 - k u), u the unit roundoff of
// float), so that
//   |b - A x| <= gamma(3N) |L||U||x| + (the roundings of the model values in A and b),
//   |x - x_exact| <= |A^-1| |b - A x|   (A^-1 from the double solve),
// and the estimate sum(w_k z_k) adds the error of its own float sum.
//
// The variance f(w) = sum(w_k b_k) - 1/2 sum_j sum_k w_j w_k A_jk is quadratic, and at the exact
// weights b - A w = mu (the multiplier, the same for every row), so for weights off by dw
//   f(w + dw) - f(w) = mu sum(dw) - 1/2 dw^T A dw,
// where sum(dw) is the measured miss of the weights' sum and |dw| the bound above.  The float
// variance adds the roundings of its entries (the model values) and of its m + m^2 running float
// sums (the products, formed in double, round far less), and the scale by vMax one more.
#include "kriging_comparison.h"

#include <cmath>
#include <random>
#include <sstream>
#include <utility>

#include "dense_inverse.h"
#include "krige_point.h"
#include "read_number.h"
#include "unit_roundoff.h"

namespace {

// Roundings in one model value as gridder forms it: the two coordinate differences, the
// distance, t = d / (rMax/2), and the cubic's three products and three sums.
constexpr int ENTRY_ROUNDINGS = 10;
constexpr int DATA = 400;

const float HALF_R_MAX = float(SCATTER_SIDE * std::sqrt(2.0) / 2);
constexpr float V_MAX = 1;
constexpr float CUTOFF = 120;

double modelInDouble(const VariogramModel& model, double d) {
    double t = d / model.halfRMax;
    double v = model.curve0 + t * (model.curve1 + t * (model.curve2 + t * model.curve3));
    return v < 0 ? 0 : v;
}

double distanceInDouble(double xa, double ya, double xb, double yb) {
    return std::sqrt((xa - xb) * (xa - xb) + (ya - yb) * (ya - yb));
}

}  // namespace

VariogramModel modelThroughZero() {
    return {0, 1.5f, 0, -0.5f, HALF_R_MAX};
}

VariogramModel modelWithNugget() {
    return {0.2f, 1.2f, 0.2f, -0.4f, HALF_R_MAX};
}

double reportedWeightSum(const std::string& console) {
    const std::string label = "SUM OF KRIGING WEIGHTS =";
    std::size_t at = console.find(label);
    double sum = NAN;
    if (at == std::string::npos) return sum;
    std::istringstream text(console.substr(at + label.size()));
    readReal(text, sum);
    return sum;
}

Scatter exampleScatter() {
    Scatter s;
    std::mt19937 random(1);
    std::uniform_real_distribution<float> position(0, SCATTER_SIDE), noise(-5, 5);
    for (int i = 0; i < DATA; ++i) {
        float x = position(random), y = position(random);
        s.x.push_back(x);
        s.y.push_back(y);
        s.z.push_back(float(500 + 100 * std::sin(x / 150.0) * std::cos(y / 200.0)) + noise(random));
    }
    return s;
}

PointCheck comparePoint(const Scatter& s, const VariogramModel& model, float x0, float y0,
                        const double* reference, const VariogramModel* solvedWith) {
    static KrigingWork work;
    float cutoff = CUTOFF;
    std::ostringstream console;
    PointEstimate p = krigePoint(solvedWith ? *solvedWith : model, V_MAX, s.x.data(), s.y.data(),
                                 s.z.data(), int(s.x.size()), x0, y0, cutoff, work, console);
    int m = p.neighbors, n = m + 1;

    DenseMatrix a(n, std::vector<double>(n, 1.0));
    std::vector<double> b(n, 1.0);
    a[m][m] = 0;
    for (int i = 0; i < m; ++i) {
        int di = work.neighbor[i];
        b[i] = modelInDouble(model, distanceInDouble(s.x[di], s.y[di], x0, y0));
        for (int k = 0; k < m; ++k) {
            int dk = work.neighbor[k];
            a[i][k] =
                i == k ? 0
                       : modelInDouble(model, distanceInDouble(s.x[di], s.y[di], s.x[dk], s.y[dk]));
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
        residual[row[i]] = roundingGamma(3 * n) * lux + entries;
    }
    double exact = 0, weightSum = 0, estimateBound = 0, absoluteTerms = 0;
    std::vector<double> w(n, 0.0), dw(m, 0.0);
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < n; ++j) w[k] += inverse[k][j] * b[j];
    for (int k = 0; k < m; ++k) {
        for (int j = 0; j < n; ++j) dw[k] += std::fabs(inverse[k][j]) * residual[j];
        double zk = s.z[work.neighbor[k]];
        exact += w[k] * zk;
        weightSum += x[k];
        estimateBound += dw[k] * std::fabs(zk);
        absoluteTerms += std::fabs(x[k] * zk);
    }
    PointCheck c;
    c.estimate = {std::fabs(p.estimate - (reference ? *reference : exact)),
                  estimateBound + roundingGamma(m) * absoluteTerms};
    // The weights' row of the system has a zero corner: its residual is 1 - sum(w) itself.
    double solvedSum = p.illConditioned ? reportedWeightSum(console.str()) : weightSum;
    c.weightSum = {std::fabs(solvedSum - 1), residual[m]};

    double variance = 0, magnitude = 0, weightQuadratic = 0;
    for (int j = 0; j < m; ++j) {
        variance += w[j] * b[j];
        magnitude += std::fabs(x[j] * b[j]);
        for (int k = 0; k < m; ++k) {
            variance -= 0.5 * w[j] * w[k] * a[j][k];
            magnitude += 0.5 * std::fabs(x[j] * x[k] * a[j][k]);
            weightQuadratic += 0.5 * dw[j] * dw[k] * a[j][k];
        }
    }
    double mu = w[m];
    double fromWeights = std::fabs(mu) * std::fabs(weightSum - 1) + weightQuadratic;
    double fromRounding = (roundingGamma(m + m * m) + ENTRY_ROUNDINGS * UNIT_ROUNDOFF) * magnitude;
    c.variance = {std::fabs(p.variance - V_MAX * variance),
                  V_MAX * (fromWeights + fromRounding) + UNIT_ROUNDOFF * p.variance};
    return c;
}
