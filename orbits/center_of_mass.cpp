#include "center_of_mass.h"

void toCenterOfMass(const double mass[], int n, BodyVectors velocity, BodyVectors position) {
    // All seven sums in one pass, in ascending body order.
    double totalMass = 0;
    double weightedPosition[3] = {0, 0, 0};
    double weightedVelocity[3] = {0, 0, 0};
    for (int i = 0; i < n; ++i) {
        totalMass += mass[i];
        for (int k = 0; k < 3; ++k) {
            weightedPosition[k] += mass[i] * position[k][i];
            weightedVelocity[k] += mass[i] * velocity[k][i];
        }
    }
    double centre[3], centreVelocity[3];
    for (int k = 0; k < 3; ++k) {
        centre[k] = weightedPosition[k] / totalMass;
        centreVelocity[k] = weightedVelocity[k] / totalMass;
    }
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 3; ++k) {
            position[k][i] -= centre[k];
            velocity[k][i] -= centreVelocity[k];
        }
}
