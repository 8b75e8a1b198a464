#include "random_field.h"

#include <cmath>

FieldSample sphericalField(int n, float side, double range, double mean, double variance,
                           std::mt19937& random) {
    FieldSample s;
    std::uniform_real_distribution<float> position(0, side);
    for (int i = 0; i < n; ++i) {
        s.x.push_back(position(random));
        s.y.push_back(position(random));
    }
    s.covariance.assign(std::size_t(n) * n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) {
            double t = std::hypot(double(s.x[i]) - s.x[j], double(s.y[i]) - s.y[j]) / range;
            s.covariance[i * n + j] = s.covariance[j * n + i] =
                t < 1 ? variance * (1 - 1.5 * t + 0.5 * t * t * t) : 0;
        }
    // The Cholesky factor in the lower triangle of a copy.
    std::vector<std::vector<double>> c(n, std::vector<double>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) c[i][j] = s.covariance[i * n + j];
    for (int j = 0; j < n; ++j) {
        double d = c[j][j];
        for (int k = 0; k < j; ++k) d -= c[j][k] * c[j][k];
        c[j][j] = std::sqrt(d);
        for (int i = j + 1; i < n; ++i) {
            double t = c[i][j];
            for (int k = 0; k < j; ++k) t -= c[i][k] * c[j][k];
            c[i][j] = t / c[j][j];
        }
    }
    std::normal_distribution<double> normal;
    std::vector<double> e(n);
    for (double& v : e) v = normal(random);
    for (int i = 0; i < n; ++i) {
        double v = mean;
        for (int k = 0; k <= i; ++k) v += c[i][k] * e[k];
        s.z.push_back(float(v));
    }
    return s;
}
