#include "mirror.h"
#include "solvers.h"

namespace {

TemperatureField halfStep;
FieldVector lower, mainDiagonal, upper, rhs, solution;

// Coefficients of a row of nx unknowns implicit in x; the sides mirror, so the one neighbour of
// each edge node counts twice.
void fillRowSystem(float rx, int nx) {
    for (int j = 1; j <= nx; ++j) {
        lower[j] = -rx;
        mainDiagonal[j] = 1.0f + 2.0f * rx;
        upper[j] = -rx;
    }
    upper[1] = -2.0f * rx;
    lower[nx] = -2.0f * rx;
}

// Coefficients of a column of nz unknowns implicit in z; the first and last equations hold the
// top and bottom temperatures fixed.
void fillColumnSystem(float rz, int nz) {
    for (int i = 2; i <= nz - 1; ++i) {
        lower[i] = -rz;
        mainDiagonal[i] = 1.0f + 2.0f * rz;
        upper[i] = -rz;
    }
    mainDiagonal[1] = 1.0f;
    upper[1] = 0.0f;
    lower[nz] = 0.0f;
    mainDiagonal[nz] = 1.0f;
}

void implicitInX(float rx, float rz, float q, int nx, int nz, const TemperatureField& T) {
    for (int j = 1; j <= nx; ++j) {
        halfStep[1][j] = T[1][j];
        halfStep[nz][j] = T[nz][j];
    }
    fillRowSystem(rx, nx);
    for (int i = 2; i <= nz - 1; ++i) {
        for (int j = 1; j <= nx; ++j)
            rhs[j] = (T[i - 1][j] - 2.0f * T[i][j] + T[i + 1][j]) * rz + T[i][j] + q;
        solveTridiagonal(nx, lower, mainDiagonal, upper, rhs, solution);
        for (int j = 1; j <= nx; ++j) halfStep[i][j] = solution[j];
    }
}

void implicitInZ(float rx, float rz, float q, int nx, int nz, TemperatureField& T) {
    fillColumnSystem(rz, nz);
    for (int j = 1; j <= nx; ++j) {
        rhs[1] = halfStep[1][j];
        rhs[nz] = halfStep[nz][j];
        for (int i = 2; i <= nz - 1; ++i)
            rhs[i] = lateralBracket(halfStep[i], j, nx) * rx + halfStep[i][j] + q;
        solveTridiagonal(nz, lower, mainDiagonal, upper, rhs, solution);
        for (int i = 1; i <= nz; ++i) T[i][j] = solution[i];
    }
}

}  // namespace

void adiStep(float k, float dt, float dx, float dz, float A, float kappa, int nx, int nz,
             TemperatureField& T) {
    if (!fitsField(nx, nz)) return;
    float rhoC = volumetricHeatCapacity(k, kappa);
    // A single column conducts only vertically (its mirrored neighbours are itself).
    float rx = nx == 1 ? 0.0f : (0.5f * dt * kappa) * (1.0f / (dx * dx));
    float rz = (0.5f * dt * kappa) * (1.0f / (dz * dz));
    float q = 0.5f * dt * A / rhoC;
    implicitInX(rx, rz, q, nx, nz, T);
    implicitInZ(rx, rz, q, nx, nz, T);
}
