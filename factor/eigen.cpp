#include "eigen.h"

#include <cmath>

namespace {

// y = matrix * x.  Each running sum is held in single precision, each step formed in double:
// the order and the rounding points are those of the described arithmetic, so the results are
// reproducible to the bit.
void multiply(const VarMatrix& matrix, int n, const VarVector& x, VarVector& y) {
    for (int i = 0; i < n; ++i) {
        float sum = 0;
        const VarVector& row = matrix[i];
        for (int j = 0; j < n; ++j) sum = float(double(sum) + double(row[j]) * double(x[j]));
        y[i] = sum;
    }
}

// Scales y to unit length (a zero vector stays as it is) and returns the length it had.
float normalise(VarVector& y, int n) {
    float s = 0;
    for (int i = 0; i < n; ++i) s = float(double(s) + double(y[i]) * double(y[i]));
    float norm = float(std::sqrt(double(s)));
    if (s > 0)
        for (int i = 0; i < n; ++i) y[i] = float(double(y[i]) / double(norm));
    return norm;
}

// Every component compared: a component that is not a number never converges.
bool withinTolerance(const VarVector& y, const VarVector& x, int n, float epsilon) {
    for (int i = 0; i < n; ++i)
        if (!(std::fabs(float(double(y[i]) - double(x[i]))) <= epsilon)) return false;
    return true;
}

void deflate(VarMatrix& matrix, int n, float norm, const VarVector& y) {
    for (int i = 0; i < n; ++i) {
        double scaled = double(norm) * double(y[i]);
        for (int j = 0; j < n; ++j) matrix[i][j] = float(double(matrix[i][j]) - scaled * y[j]);
    }
}

}  // namespace

void EIGEN(float epsilon, int n, VarMatrix& matrix, int& count, VarVector& eigenvalues,
           VarMatrix& vectors, std::ostream& console) {
    if (count > n) count = n;
    for (int k = 0; k < count; ++k) {
        eigenvalues[k] = 0;
        for (int i = 0; i < n; ++i) vectors[i][k] = 0;
    }
    VarVector x{}, y{};
    for (int k = 0; k < count; ++k) {
        float start = float(1.0 / std::sqrt(double(n)));
        for (int i = 0; i < n; ++i) x[i] = start;
        bool converged = false;
        float norm = 0;
        for (int attempt = 1; attempt <= maxAttempts && !converged; ++attempt) {
            multiply(matrix, n, x, y);
            norm = normalise(y, n);
            converged = withinTolerance(y, x, n, epsilon);
            if (!converged) x = y;
        }
        for (int i = 0; i < n; ++i) vectors[i][k] = y[i];
        if (!converged) {
            count = k;
            console << " SUBROUTINE EIGEN FAILED TO FIND EIGEN VECTOR #" << k + 1 << "\n"
                    << " IN " << maxAttempts << " ATTEMPTS.  RETURNING NUMBER = " << k << "\n";
            return;
        }
        eigenvalues[k] = norm;
        deflate(matrix, n, norm, y);
    }
}
