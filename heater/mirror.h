#pragma once
// The horizontal second difference T[j-1] - 2 T[j] + T[j+1] of one row, with the zero-gradient
// sides: column 0 reads column 2 and column nx + 1 reads column nx - 1.
inline float lateralBracket(const float* row, int j, int nx) {
    // A single column has no neighbour to mirror; its sides carry no flux at all.
    if (nx == 1) return 0.0f;
    if (j == 1) return 2.0f * row[2] - 2.0f * row[1];
    if (j == nx) return 2.0f * row[nx - 1] - 2.0f * row[nx];
    return row[j - 1] - 2.0f * row[j] + row[j + 1];
}
