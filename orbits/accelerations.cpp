#include "accelerations.h"

#include <cmath>

void accelerations(double G, const double mass[], int n, const BodyVectors position,
                   BodyVectors acceleration) {
    for (int i = 0; i < n; ++i) {
        double a[3] = {0, 0, 0};
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            double d[3];
            for (int k = 0; k < 3; ++k) d[k] = position[k][j] - position[k][i];
            double r2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
            double r3 = std::sqrt(r2) * r2;
            // (G m_j) d / r^3, in that order, so every run rounds the same way.
            for (int k = 0; k < 3; ++k) a[k] += G * mass[j] * d[k] / r3;
        }
        for (int k = 0; k < 3; ++k) acceleration[k][i] = a[k];
    }
}
