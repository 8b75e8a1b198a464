#include "eigen.h"

#include <cmath>

namespace {

// One step of a running sum: held in single precision, formed in double.  The order and the
// rounding points are those of the described arithmetic, so the results are reproducible to the
// bit.
inline float addProduct(float sum, float a, float b) {
    return float(double(sum) + double(a) * double(b));
}

// y = matrix * x.  Each row's sum is one chain of roundings; four rows run side by side so that
// their chains overlap in the processor, each in its own ascending order.
void multiply(const VarMatrix& matrix, int n, const VarVector& x, VarVector& y) {
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        float s0 = 0, s1 = 0, s2 = 0, s3 = 0;
        for (int j = 0; j < n; ++j) {
            s0 = addProduct(s0, matrix[i][j], x[j]);
            s1 = addProduct(s1, matrix[i + 1][j], x[j]);
            s2 = addProduct(s2, matrix[i + 2][j], x[j]);
            s3 = addProduct(s3, matrix[i + 3][j], x[j]);
        }
        y[i] = s0;
        y[i + 1] = s1;
        y[i + 2] = s2;
        y[i + 3] = s3;
    }
    for (; i < n; ++i) {
        float sum = 0;
        for (int j = 0; j < n; ++j) sum = addProduct(sum, matrix[i][j], x[j]);
        y[i] = sum;
    }
}

// Scales y to unit length (a zero vector stays as it is) and returns the length it had.
float normalise(VarVector& y, int n) {
    float s = 0;
    for (int i = 0; i < n; ++i) s = addProduct(s, y[i], y[i]);
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
