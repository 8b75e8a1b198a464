#include "leave_one_out_spread.h"

#include <cmath>
#include <ostream>

#include "dense_inverse.h"
#include "neighbors.h"

namespace {

// The data without the one kriged, and the search's work arrays: too large for the stack.
float others[2][MAX_DATA];
KrigingWork spreadWork;

// Row i of A: -1 at datum i and the weight of each neighbour at its datum.
struct ErrorRow {
    int count = 0;
    int datum[MAX_NEIGHBORS + 1];
    double coefficient[MAX_NEIGHBORS + 1];
};

ErrorRow errorRow(const FieldSample& f, const VariogramModel& model, float cutoff, int i) {
    int n = int(f.x.size());
    const std::vector<double>& c = f.covariance;
    int kept = 0;
    for (int p = 0; p < n; ++p)
        if (p != i) {
            others[0][kept] = f.x[p];
            others[1][kept] = f.y[p];
            ++kept;
        }
    std::ostream silent(nullptr);
    float radius = cutoff;
    int m = searchNeighbors(model, others[0], others[1], kept, f.x[i], f.y[i], radius, spreadWork,
                            silent)
                .count;
    ErrorRow row;
    row.count = m + 1;
    row.datum[m] = i;
    row.coefficient[m] = -1;
    for (int k = 0; k < m; ++k)
        row.datum[k] =
            spreadWork.neighbor[k] < i ? spreadWork.neighbor[k] : spreadWork.neighbor[k] + 1;
    // Ordinary kriging with the variogram C(0) - C(h).
    DenseMatrix a(m + 1, std::vector<double>(m + 1, 1.0)), inverse;
    std::vector<double> b(m + 1, 1.0);
    a[m][m] = 0;
    double sill = c[i * n + i];
    for (int k = 0; k < m; ++k) {
        b[k] = sill - c[row.datum[k] * n + i];
        for (int l = 0; l < m; ++l) a[k][l] = sill - c[row.datum[k] * n + row.datum[l]];
    }
    invert(a, inverse);
    for (int k = 0; k < m; ++k) {
        row.coefficient[k] = 0;
        for (int j = 0; j <= m; ++j) row.coefficient[k] += inverse[k][j] * b[j];
    }
    return row;
}

}  // namespace

StatisticSpread leaveOneOutSpread(const FieldSample& f, const VariogramModel& model, float cutoff) {
    int n = int(f.x.size());
    std::vector<ErrorRow> rows(n);
    for (int i = 0; i < n; ++i) rows[i] = errorRow(f, model, cutoff, i);
    // B = A C row by row, then (A C A^T)_ij as row i of B against row j of A.
    std::vector<double> b(std::size_t(n) * n, 0.0);
    for (int i = 0; i < n; ++i) {
        double* bi = &b[std::size_t(i) * n];
        for (int k = 0; k < rows[i].count; ++k) {
            const double* cp = &f.covariance[std::size_t(rows[i].datum[k]) * n];
            double w = rows[i].coefficient[k];
            for (int q = 0; q < n; ++q) bi[q] += w * cp[q];
        }
    }
    auto covariance = [&](int i, int j) {
        const double* bi = &b[std::size_t(i) * n];
        double sum = 0;
        for (int k = 0; k < rows[j].count; ++k)
            sum += bi[rows[j].datum[k]] * rows[j].coefficient[k];
        return sum;
    };
    StatisticSpread spread;
    std::vector<double> deviation(n);
    for (int i = 0; i < n; ++i) {
        spread.errorVariance.push_back(covariance(i, i));
        deviation[i] = std::sqrt(spread.errorVariance[i]);
    }
    double sum = 0, sumSquares = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double rho = covariance(i, j) / (deviation[i] * deviation[j]);
            sum += rho;
            sumSquares += rho * rho;
        }
    double nn = double(n) * n;
    spread.meanVariance = sum / nn;
    spread.squaresVariance = 2 * sumSquares / nn;
    return spread;
}
