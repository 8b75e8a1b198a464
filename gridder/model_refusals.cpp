#include "model_refusals.h"

#include <limits>
#include <sstream>

#include "notation.h"

namespace {

const char* const NEEDS_A_TERM = "; make curve0 (a nugget), curve1 or curve3 non-zero";

}  // namespace

// Which cubics leave every kriging system singular.  The block holds P(t_ij) off its zero
// diagonal and is bordered by ones; the system is singular exactly when the block is singular on
// the weights that sum to 0.
// - P = 0: the block is 0 and the bordered matrix has rank 2.
// - P = curve2 t^2: with h = rMax/2 and p_i the positions, t_ij^2 = (|p_i|^2 + |p_j|^2 -
//   2 p_i.p_j) / h^2, so every column of the bordered matrix lies in the span of four vectors
//   (the squared norms with the border 1, the border column, and the two coordinate columns): rank
//   at most 4 in the plane, while a system holds at least MIN_NEIGHBORS = 6 data (size 7).
// - Every other cubic gridder accepts has a layout that makes the system regular.  A nugget
//   (curve0 > 0) or a linear term, on data shrunk towards one spot, dominates the block: curve0
//   times (all ones - identity) is -curve0 on the weights that sum to 0, and the distance matrix
//   of distinct points is strictly conditionally negative definite.  A cubic term (curve0 =
//   curve1 = 0, curve3 != 0) on collinear data: |h|^3 is conditionally definite on the weights
//   that also annihilate the coordinate, where curve2 t^2 vanishes, so the block is singular only
//   for one ratio curve2 / curve3 that scales with the spread of the data; any other spread is
//   regular.
// So only curve2 t^2 (curve2 = 0 included) is refused outright; a layout that happens to be
// singular for a usable model shows up as a zero pivot at the grid points concerned.
std::string singularModelReason(float curve0, float curve1, float curve2, float curve3) {
    if (curve0 != 0 || curve1 != 0 || curve3 != 0) return "";
    // Appended rather than added to a temporary: GCC 12 reports the inlined move of the temporary
    // falsely as out of bounds.
    std::string reason =
        curve2 == 0 ? "with curve0 to curve3 all 0 every kriging system is singular"
                    : "with curve2 the only non-zero term every kriging system is singular (a "
                      "square of the distance alone gives a matrix of rank at most 4 in the plane)";
    reason += NEEDS_A_TERM;
    return reason;
}

std::string vMaxReason(float vMax) {
    if (!(vMax > 0))
        return "with a vMax of 0 or less every standard deviation would be 0; use the largest "
               "variance of the variogram";
    // The number reader stores a magnitude beyond the float range as the largest float.
    if (vMax >= std::numeric_limits<float>::max()) {
        std::ostringstream largest;
        largest << num(std::numeric_limits<float>::max());
        return "a vMax beyond the single-precision range would be taken as " + largest.str() +
               "; use the largest variance of the variogram";
    }
    return "";
}
