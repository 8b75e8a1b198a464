#include "lu.h"

#include <cmath>
#include <iostream>
#include <utility>

#include "console.h"
#include "output_files.h"
#include "row_update.h"

namespace {

constexpr float TINY_PIVOT = 1e-20f;

[[noreturn]] void singular() {
    std::cout << " Singular matrix.\n";
    pauseForKey();
    stopProgram(-1);
}

}  // namespace

int luDecompose(int n, float a[][LU_COLUMNS], int pivot[]) {
    if (n < 1) return 0;
    int zeroPivots = 0;
    float scale[LU_COLUMNS];
    for (int i = 0; i < n; ++i) {
        float big = 0;
        for (int j = 0; j < n; ++j) {
            float magnitude = std::fabs(a[i][j]);
            if (magnitude > big) big = magnitude;
        }
        if (big == 0) singular();
        scale[i] = static_cast<float>(1.0 / big);
    }
    // Column by column as Crout's method has it, but each finished column is subtracted at once
    // from the columns to its right (rows below it).  Every entry still loses its products in
    // the order k = 0, 1, ..., each subtraction rounded to a float, and a row keeps what it lost
    // when it is swapped; so the factors and the pivots are Crout's to the bit, while the work
    // runs along contiguous rows.
    for (int j = 0; j < n; ++j) {
        float best = 0;
        int p = j;
        for (int i = j; i < n; ++i) {
            float candidate =
                static_cast<float>(static_cast<double>(scale[i]) * std::fabs(a[i][j]));
            if (candidate >= best) {  // a tie goes to the later row
                best = candidate;
                p = i;
            }
        }
        if (p != j) {
            for (int k = 0; k < n; ++k) std::swap(a[p][k], a[j][k]);
            scale[p] = scale[j];
        }
        pivot[j] = p;
        if (j == n - 1) break;
        if (a[j][j] == 0) {
            a[j][j] = TINY_PIVOT;
            ++zeroPivots;
        }
        float reciprocal = static_cast<float>(1.0 / a[j][j]);
        for (int i = j + 1; i < n; ++i)
            a[i][j] = static_cast<float>(static_cast<double>(a[i][j]) * reciprocal);
        double pivotRow[LU_COLUMNS];
        for (int k = j + 1; k < n; ++k) pivotRow[k] = a[j][k];
        int i = j + 1;
        for (; i + 2 <= n; i += 2)
            subtractScaledRows(a[i], a[i][j], a[i + 1], a[i + 1][j], pivotRow, j + 1, n);
        if (i < n) subtractScaledRow(a[i], a[i][j], pivotRow, j + 1, n);
    }
    if (a[n - 1][n - 1] == 0) {
        a[n - 1][n - 1] = TINY_PIVOT;
        ++zeroPivots;
    }
    return zeroPivots;
}

void luBackSubstitute(const float a[][LU_COLUMNS], int n, const int pivot[], float b[]) {
    int first = -1;  // the first row whose right-hand side is not zero: the sums start there
    for (int i = 0; i < n; ++i) {
        int p = pivot[i];
        float sum = b[p];
        b[p] = b[i];
        if (first >= 0) {
            for (int k = first; k < i; ++k)
                sum = static_cast<float>(sum - static_cast<double>(a[i][k]) * b[k]);
        } else if (sum != 0) {
            first = i;
        }
        b[i] = sum;
    }
    for (int i = n - 1; i >= 0; --i) {
        float sum = b[i];
        for (int k = i + 1; k < n; ++k)
            sum = static_cast<float>(sum - static_cast<double>(a[i][k]) * b[k]);
        b[i] = static_cast<float>(static_cast<double>(sum) / a[i][i]);
    }
}
