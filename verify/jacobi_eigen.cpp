#include "jacobi_eigen.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

double offDiagonal(const DenseMatrix& a) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a.size(); ++j)
            if (i != j) sum += a[i][j] * a[i][j];
    return std::sqrt(sum);
}

// One rotation in the (p, q) plane that zeroes a[p][q], applied to a and accumulated in v.  The
// smaller of the two angles that do it keeps the rotation close to the identity.
void rotate(DenseMatrix& a, DenseMatrix& v, std::size_t p, std::size_t q) {
    std::size_t n = a.size();
    double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
    double t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
    double c = 1 / std::sqrt(t * t + 1), s = t * c;
    for (std::size_t k = 0; k < n; ++k) {
        double akp = a[k][p], akq = a[k][q];
        a[k][p] = c * akp - s * akq;
        a[k][q] = s * akp + c * akq;
    }
    for (std::size_t k = 0; k < n; ++k) {
        double apk = a[p][k], aqk = a[q][k];
        a[p][k] = c * apk - s * aqk;
        a[q][k] = s * apk + c * aqk;
    }
    for (std::size_t k = 0; k < n; ++k) {
        double vkp = v[k][p], vkq = v[k][q];
        v[k][p] = c * vkp - s * vkq;
        v[k][q] = s * vkp + c * vkq;
    }
}

}  // namespace

void jacobiEigen(const DenseMatrix& a, std::vector<double>& values, DenseMatrix& vectors) {
    std::size_t n = a.size();
    DenseMatrix work = a;
    DenseMatrix v(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) v[i][i] = 1;
    double scale = 0;
    for (const auto& row : a)
        for (double x : row) scale = std::fmax(scale, std::fabs(x));
    for (int sweep = 0; sweep < 100 && offDiagonal(work) > 1e-15 * scale; ++sweep)
        for (std::size_t p = 0; p + 1 < n; ++p)
            for (std::size_t q = p + 1; q < n; ++q)
                if (work[p][q] != 0) rotate(work, v, p, q);
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t i, std::size_t j) { return work[i][i] > work[j][j]; });
    values.assign(n, 0.0);
    vectors.assign(n, std::vector<double>(n, 0.0));
    for (std::size_t k = 0; k < n; ++k) {
        values[k] = work[order[k]][order[k]];
        for (std::size_t i = 0; i < n; ++i) vectors[i][k] = v[i][order[k]];
    }
}
