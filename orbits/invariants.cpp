#include "invariants.h"

#include <cmath>

#include "fixed_width.h"

namespace {

// |L| in scaled form, so that squaring the components cannot overflow or underflow.  The zero
// vector has no scale to divide by; its magnitude is 0.
double magnitude(double lx, double ly, double lz) {
    double s = std::fabs(lx) + std::fabs(ly) + std::fabs(lz);
    if (s == 0) return 0;
    double x = lx / s, y = ly / s, z = lz / s;
    return s * std::sqrt(x * x + y * y + z * z);
}

}  // namespace

double angularMomentum(const double mass[], int n, const BodyVectors velocity,
                       const BodyVectors position, std::ostream& report) {
    const auto& x = position;
    const auto& v = velocity;
    double lx = 0, ly = 0, lz = 0;
    for (int i = 0; i < n; ++i) {
        lx += mass[i] * (x[1][i] * v[2][i] - x[2][i] * v[1][i]);
        ly += mass[i] * (x[2][i] * v[0][i] - x[0][i] * v[2][i]);
        lz += mass[i] * (x[0][i] * v[1][i] - x[1][i] * v[0][i]);
    }
    double total = magnitude(lx, ly, lz);
    report << "Angular momentum of system: ";
    writeFixedWidth(report, 12, total);
    report << "\nComponents:  amx ";
    writeFixedWidth(report, 12, lx);
    report << " amy ";
    writeFixedWidth(report, 12, ly);
    report << " amz ";
    writeFixedWidth(report, 12, lz);
    report << std::endl;
    return total;
}

double systemEnergy(double G, const double mass[], int n, const BodyVectors velocity,
                    const BodyVectors position, std::ostream& report) {
    const auto& x = position;
    const auto& v = velocity;
    double kinetic = 0;
    for (int i = 0; i < n; ++i)
        kinetic += HALF * mass[i] * ((v[0][i] * v[0][i] + v[1][i] * v[1][i]) + v[2][i] * v[2][i]);
    // Each pair once.
    double potential = 0;
    for (int j = 1; j < n; ++j)
        for (int k = 0; k < j; ++k) {
            double dx = x[0][j] - x[0][k], dy = x[1][j] - x[1][k], dz = x[2][j] - x[2][k];
            double r = std::sqrt(dx * dx + dy * dy + dz * dz);
            potential -= G * mass[j] * mass[k] / r;
        }
    double total = kinetic + potential;
    report << "Kinetic   Energy =  ";
    writeFixedWidth(report, 11, kinetic);
    report << "\nPotential Energy = ";
    writeFixedWidth(report, 12, potential);
    report << "\n                    ___________\nTotal     Energy = ";
    writeFixedWidth(report, 12, total);
    report << "\n";
    return total;
}
