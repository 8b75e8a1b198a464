#include "coefficients.h"

float variogramPolynomial(float curve0, float curve1, float curve2, float curve3, float t) {
    return curve0 + curve1 * t + curve2 * (t * t) + curve3 * (t * t * t);
}

bool staysNonNegative(float curve0, float curve1, float curve2, float curve3) {
    for (int i = 0; i <= 50; ++i) {
        float t = static_cast<float>(i * 0.02);
        if (variogramPolynomial(curve0, curve1, curve2, curve3, t) < 0) return false;
    }
    return true;
}

float modelVariance(const VariogramModel& model, float d) {
    float t = static_cast<float>(static_cast<double>(d) / model.halfRMax);
    float v = variogramPolynomial(model.curve0, model.curve1, model.curve2, model.curve3, t);
    return v < 0 ? 0.0f : v;
}
