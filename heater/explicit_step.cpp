#include "mirror.h"
#include "solvers.h"

namespace {

// The new interior rows, kept apart until every one is computed from the old field.
TemperatureField newField;

}  // namespace

void explicitStep(float k, float dt, float dx, float dz, float A, float kappa, int nx, int nz,
                  TemperatureField& T) {
    if (!fitsField(nx, nz)) return;
    float rhoC = volumetricHeatCapacity(k, kappa);
    float heat = (A / rhoC) * dt;
    float diffusion = kappa * dt;
    float dx2 = dx * dx;
    float dz2 = dz * dz;
    for (int i = 2; i <= nz - 1; ++i) {
        for (int j = 1; j <= nx; ++j) {
            float horizontal = lateralBracket(T[i], j, nx) / dx2;
            float vertical = (T[i - 1][j] - 2.0f * T[i][j] + T[i + 1][j]) / dz2;
            newField[i][j] = (T[i][j] + heat) + diffusion * (horizontal + vertical);
        }
    }
    for (int i = 2; i <= nz - 1; ++i)
        for (int j = 1; j <= nx; ++j) T[i][j] = newField[i][j];
}
