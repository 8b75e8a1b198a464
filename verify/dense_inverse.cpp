#include "dense_inverse.h"

#include <cmath>
#include <utility>

bool invert(const DenseMatrix& a, DenseMatrix& inverse) {
    std::size_t n = a.size();
    DenseMatrix work = a;
    inverse.assign(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) inverse[i][i] = 1;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::fabs(work[r][col]) > std::fabs(work[pivot][col])) pivot = r;
        if (work[pivot][col] == 0) return false;
        std::swap(work[pivot], work[col]);
        std::swap(inverse[pivot], inverse[col]);
        double scale = 1 / work[col][col];
        for (std::size_t k = 0; k < n; ++k) {
            work[col][k] *= scale;
            inverse[col][k] *= scale;
        }
        for (std::size_t r = 0; r < n; ++r) {
            if (r == col || work[r][col] == 0) continue;
            double factor = work[r][col];
            for (std::size_t k = 0; k < n; ++k) {
                work[r][k] -= factor * work[col][k];
                inverse[r][k] -= factor * inverse[col][k];
            }
        }
    }
    return true;
}

double infinityNorm(const DenseMatrix& a) {
    double largest = 0;
    for (const auto& row : a) {
        double sum = 0;
        for (double v : row) sum += std::fabs(v);
        largest = std::fmax(largest, sum);
    }
    return largest;
}
