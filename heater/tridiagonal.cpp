#include "solvers.h"

void solveTridiagonal(int n, const FieldVector& lower, const FieldVector& main,
                      const FieldVector& upper, FieldVector& rhs, FieldVector& solution) {
    if (n < 1 || n > MAX_POINTS) return;
    // The eliminated main diagonal is private, so the caller's coefficients serve every row.
    // Zeroed although every element read is written first: inlined into its callers, GCC cannot
    // see that and warns.
    float b[FIELD_SIZE] = {};
    for (int i = 1; i <= n; ++i) b[i] = main[i];
    for (int i = 2; i <= n; ++i) {
        float m = lower[i] / b[i - 1];
        b[i] = b[i] - m * upper[i - 1];
        rhs[i] = rhs[i] - m * rhs[i - 1];
    }
    solution[n] = rhs[n] / b[n];
    for (int i = n - 1; i >= 1; --i) solution[i] = (rhs[i] - upper[i] * solution[i + 1]) / b[i];
}
