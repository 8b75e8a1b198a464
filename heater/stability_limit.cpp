// Stability limit of the explicit step, derived from the update as explicitStep computes it:
//
//   new[i][j] = T[i][j] + (A / rhoC) dt + kappa dt (Bx[i][j] / dx^2 + Bz[i][j] / dz^2)
//
// with Bx the lateral bracket (mirrored at the sides) and Bz the vertical one (rows 1 and nz
// fixed).  The heat term and the fixed rows add the same amount at every step whatever the field
// holds, so only the brackets can amplify.  Each bracket has a full set of patterns that it only
// scales:
//   - laterally, cos((j - 1) m pi / (nx - 1)) for m = 0..nx-1, scaled by
//     -4 sin^2(m pi / (2 (nx - 1))); the worst is the column-by-column alternation m = nx - 1,
//     scaled by -4 (a single column has no lateral bracket at all);
//   - vertically, sin((i - 1) m pi / (nz - 1)) for m = 1..nz-2 (zero on the fixed rows), scaled
//     by -4 sin^2(m pi / (2 (nz - 1))); the worst is m = nz - 2, scaled by
//     -4 cos^2(pi / (2 (nz - 1))).
// Their products are the patterns of the whole step, and each is multiplied per step by
// 1 - kappa dt (sx / dx^2 + sz / dz^2), sx and sz the sizes of its two scalings.  The lowest
// factor, with the worst lx = 4 (0 for a single column) and lz = 4 cos^2(pi / (2 (nz - 1))), must
// stay at or above -1:
//   dt <= 2 / (kappa (lx / dx^2 + lz / dz^2)).
// On a large grid lz approaches 4 and this is the familiar kappa dt (1/dx^2 + 1/dz^2) <= 1/2; on a
// few rows the fixed top and bottom allow a little more (a third more for 3 rows with dx = dz).
//
// The subduction step adds nothing to the limit: each node of the moving plate takes a weighted
// mean of old values (bilinear weights in 0..1, half and half on the fault), which cannot
// amplify, and its shear heat, like the fixed arc column, is a source rather than a factor.
// Tests run the step just below and just above the limit and see decay and growth.
#include "stability_limit.h"

#include <cmath>
#include <limits>
#include <sstream>

#include "notation.h"

namespace {

// The limit as heater shows it, 6 significant digits, cut down rather than rounded: a step typed
// as shown must not be beyond the limit again.
double shownLimit(float limit) {
    if (!(limit > 0) || !std::isfinite(limit)) return limit;
    double scale = std::pow(10.0, 5 - std::floor(std::log10(double(limit))));
    return std::floor(double(limit) * scale) / scale;
}

}  // namespace

float explicitStableStep(float kappa, float dx, float dz, int nx, int nz) {
    constexpr double PI = 3.14159265358979323846;
    if (nz < 3 || kappa == 0) return std::numeric_limits<float>::infinity();
    if (kappa < 0) return 0.0f;
    double c = std::cos(PI / (2.0 * (nz - 1)));
    double rate = 4.0 * c * c / (double(dz) * dz);
    if (nx >= 2) rate += 4.0 / (double(dx) * dx);
    return float(2.0 / (double(kappa) * rate));
}

std::string explicitStabilityWarning(float dt, float limit) {
    std::ostringstream text;
    text << "Warning: the explicit method is unstable with a time step of " << num(dt)
         << " on this grid, and its temperatures will grow without bound; use a time step of at"
            " most "
         << num(shownLimit(limit)) << ", or the ADI method (1).\n";
    return text.str();
}
