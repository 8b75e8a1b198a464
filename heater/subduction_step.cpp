#include <cmath>

#include "console.h"
#include "solvers.h"

namespace {

TemperatureField moved;

// Bilinear interpolation of the old field at the fractional grid point (r, c), 1 <= r <= nz and
// 1 <= c <= nx.
float interpolate(const TemperatureField& T, float r, float c, int nx, int nz) {
    int ir = maxOfInt(static_cast<int>(r), 1);
    int ir1 = minOfInt(ir + 1, nz);
    float fr = r - static_cast<float>(ir);
    int jc = maxOfInt(static_cast<int>(c), 1);
    int jc1 = minOfInt(jc + 1, nx);
    float fc = c - static_cast<float>(jc);
    float left = T[ir][jc] + (T[ir1][jc] - T[ir][jc]) * fr;
    float right = T[ir][jc1] + (T[ir1][jc1] - T[ir][jc1]) * fr;
    return left + (right - left) * fc;
}

// The lower-plate node (i, j) takes the old temperature s node distances up-dip, but never from
// above the top of the plate in its column (row o).  For s >= 0 the source lies inside the grid
// by construction; a plate moving up-dip (s < 0) would look below the bottom row or left of the
// first column, so the source is held on the grid there too.
float upDipTemperature(const TemperatureField& T, int i, int j, int o, float s, int nx, int nz) {
    float r = maxOf(static_cast<float>(i) - s, static_cast<float>(i - o + 1));
    float c = minOf(static_cast<float>(j) + s, static_cast<float>(nx));
    r = minOf(r, static_cast<float>(nz));
    c = maxOf(c, 1.0f);
    return interpolate(T, r, c, nx, nz);
}

}  // namespace

void subductionStep(float k, float dt, float dx, float dz, float kappa, int nx, int nz, float tau,
                    float v, TemperatureField& T) {
    if (!fitsField(nx, nz)) return;
    float rhoC = volumetricHeatCapacity(k, kappa);
    float d = v * dt;
    float ds = std::sqrt(dx * dx + dz * dz);
    float s = d / ds;
    for (int j = 1; j <= nx; ++j) {
        int o = maxOfInt(nz - j + 1, 1);  // the fault row of this column
        for (int i = 1; i <= nz; ++i) {
            if (i < o) {
                moved[i][j] = T[i][j];
                continue;
            }
            float value = upDipTemperature(T, i, j, o, s, nx, nz);
            // A fault node is shared by both plates: half of it stands still.
            moved[i][j] = (i == o && o > 1) ? 0.5f * value + 0.5f * T[i][j] : value;
        }
    }
    // Frictional work of one fault segment of length ds, spread over one cell.  Fault nodes
    // beyond the last column (a grid narrower than its fault) lose their heat with the node.
    float shearHeat = (d * tau * ds) / (rhoC * dx * dz);
    for (int i = nz; i >= 2; --i) {
        int j = nz - i + 1;
        if (j <= nx) moved[i][j] += shearHeat;
    }
    for (int i = 1; i <= nz; ++i)
        for (int j = 1; j <= nx; ++j) T[i][j] = moved[i][j];
}
