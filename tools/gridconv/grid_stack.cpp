#include "grid_stack.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "notation.h"

std::string exactFloatText(float value) {
    char text[NOTATION_BUFFER];
    for (int digits = 6; digits < 9; ++digits) {
        formatGeneral(text, value, digits);
        if (std::strtof(text, nullptr) == value) return text;
    }
    formatGeneral(text, value, 9);
    return text;
}

bool axisFromCoordinates(const std::vector<double>& c, GridAxis& axis, bool& reversed,
                         std::string& why) {
    const std::size_t n = c.size();
    for (double v : c)
        if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
            why = "holds a coordinate that is not a finite single-precision number";
            return false;
        }
    if (n < 2) {
        why = "has fewer than 2 points, which give no spacing";
        return false;
    }
    reversed = c[n - 1] < c[0];
    const double first = reversed ? c[n - 1] : c[0];
    const double last = reversed ? c[0] : c[n - 1];
    const double step = (last - first) / double(n - 1);
    if (!(step > 0)) {
        why = "does not increase or decrease";
        return false;
    }
    // Coordinates stored in single precision carry its rounding: a node may sit a few units in
    // the last place of its magnitude away from first + i * step.
    const double tolerance =
        1e-4 * step + 4 * double(FLT_EPSILON) * std::max(std::fabs(first), std::fabs(last));
    for (std::size_t i = 0; i < n; ++i) {
        double at = reversed ? c[n - 1 - i] : c[i];
        if (i > 0 && !(at > (reversed ? c[n - i] : c[i - 1]))) {
            why = "is not strictly " + std::string(reversed ? "decreasing" : "increasing");
            return false;
        }
        if (std::fabs(at - (first + double(i) * step)) > tolerance) {
            char a[NOTATION_BUFFER], b[NOTATION_BUFFER];
            formatGeneral(a, at, 9);
            formatGeneral(b, step, 9);
            why = std::string("is not equally spaced (") + a + " is off the step " + b +
                  "); a gridded-data file needs one spacing";
            return false;
        }
    }
    axis.min = static_cast<float>(first);
    axis.spacing = static_cast<float>(step);
    axis.max = static_cast<float>(last);
    if (gridCount(axis) != static_cast<int>(n)) {
        why = "has a spacing too small for single precision to tell its points apart";
        return false;
    }
    return true;
}

std::string missingValueMessage(const std::string& what, double x, double y) {
    char a[NOTATION_BUFFER], b[NOTATION_BUFFER];
    formatGeneral(a, x, 9);
    formatGeneral(b, y, 9);
    return std::string("no value at x = ") + a + ", y = " + b + " (" + what +
           "); give --fill VALUE to put a number there";
}

