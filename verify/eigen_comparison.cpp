// Factor's eigen-solver (power iteration with deflation, single precision) against the Jacobi
// method in double on the very matrix it is given.  Cost: O(n^3) for Jacobi, a few hundred
// iterations of O(n^2) for the pairs.
//
// Bounds, eigenpair k after k - 1 deflations (rho_k = lambda_{k+1} / lambda_k):
//   - the iteration stops when no component moved by more than epsilon, so the iterate moved by
//     at most sqrt(n) epsilon; as the error shrinks by rho_k per attempt, what is left is at most
//     sqrt(n) epsilon rho_k / (1 - rho_k) (and sqrt(n) epsilon / (1 - rho_k) one attempt before);
//   - the matrix the iteration sees differs from the exactly deflated one by E_k: the rounding of
//     each product (gamma(n) ||A||_F), and for every earlier pair j its eigenvalue error, twice
//     lambda_j times the sine of its angle, and the rounding of the deflation;
//   - Davis and Kahan turn E_k into an angle E_k / gap_k, Weyl into an eigenvalue shift E_k; the
//     eigenvalue, the length of A x for the iterate x, is short of lambda_k by lambda_k sin^2 / 2
//     of the iterate's angle;
//   - two found vectors are within the sum of their angles of orthogonal, plus the rounding of
//     their normalisation.
#include "eigen_comparison.h"

#include <cmath>

#include "eigen.h"
#include "jacobi_eigen.h"
#include "verdict.h"
#include "unit_roundoff.h"

namespace {

// Q diag(lambda) Q^T with Q orthogonalised from random numbers: the leading eigenvalues fall by
// a random factor of 0.3 to 0.7 each, the rest lie below them.  Rounded to float symmetrically.
void randomMatrix(int n, std::mt19937& random, VarMatrix& a) {
    std::normal_distribution<double> normal;
    std::uniform_real_distribution<double> ratio(0.3, 0.7), rest(0.05, 0.6);
    std::vector<double> lambda(n);
    lambda[0] = 100;
    for (int k = 1; k < n; ++k)
        lambda[k] = lambda[k - 1] * (k < EIGEN_PAIRS + 1 ? ratio(random) : 1.0);
    for (int k = EIGEN_PAIRS + 1; k < n; ++k) lambda[k] = lambda[EIGEN_PAIRS] * rest(random);
    DenseMatrix q(n, std::vector<double>(n));
    for (int k = 0; k < n; ++k) {
        for (int i = 0; i < n; ++i) q[i][k] = normal(random);
        for (int j = 0; j < k; ++j) {
            double dot = 0;
            for (int i = 0; i < n; ++i) dot += q[i][k] * q[i][j];
            for (int i = 0; i < n; ++i) q[i][k] -= dot * q[i][j];
        }
        double length = 0;
        for (int i = 0; i < n; ++i) length += q[i][k] * q[i][k];
        for (int i = 0; i < n; ++i) q[i][k] /= std::sqrt(length);
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) {
            double sum = 0;
            for (int k = 0; k < n; ++k) sum += q[i][k] * lambda[k] * q[j][k];
            a[i][j] = a[j][i] = float(sum);
        }
}

}  // namespace

void compareEigen(int n, std::mt19937& random, float epsilon, float claimedEpsilon,
                  EigenComparison& worst) {
    static VarMatrix a, vectors;
    VarVector values{};
    randomMatrix(n, random, a);
    DenseMatrix exactInput(n, std::vector<double>(n));
    double frobenius = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            exactInput[i][j] = a[i][j];
            frobenius += double(a[i][j]) * a[i][j];
        }
    frobenius = std::sqrt(frobenius);
    std::vector<double> lambda;
    DenseMatrix v;
    jacobiEigen(exactInput, lambda, v);

    int count = EIGEN_PAIRS;
    std::ostream silent(nullptr);
    EIGEN(epsilon, n, a, count, values, vectors, silent);
    if (count != EIGEN_PAIRS) {
        worst.value = worst.angle = worst.orthogonality = INFINITY;
        return;
    }
    std::vector<double> sine(EIGEN_PAIRS);
    double perturbation = roundingGamma(n) * frobenius;
    for (int k = 0; k < EIGEN_PAIRS; ++k) {
        double next = k + 1 < n ? lambda[k + 1] : 0;
        double rho = next / lambda[k];
        double gap = std::fmin(lambda[k] - next, lambda[k]);
        double tolerance = std::sqrt(double(n)) * claimedEpsilon / (1 - rho);
        double sineBound = tolerance * rho + perturbation / gap;
        double before = tolerance + perturbation / gap;
        double valueBound = perturbation + lambda[k] * before * before / 2;

        double dot = 0, length = 0;
        for (int i = 0; i < n; ++i) {
            dot += vectors[i][k] * v[i][k];
            length += double(vectors[i][k]) * vectors[i][k];
        }
        double squaredSine = 1 - dot * dot / length;
        double angleSine = std::sqrt(squaredSine < 0 ? 0 : squaredSine);
        double valueError = std::fabs(values[k] - lambda[k]);
        sine[k] = sineBound;
        worst.value = worse(worst.value, valueError / valueBound);
        worst.angle = worse(worst.angle, angleSine / sineBound);
        worst.largestValue = worse(worst.largestValue, valueError / lambda[0]);
        worst.largestAngle = worse(worst.largestAngle, angleSine);
        for (int j = 0; j < k; ++j) {
            double product = 0;
            for (int i = 0; i < n; ++i) product += double(vectors[i][k]) * vectors[i][j];
            double bound = sine[j] + sine[k] + 2 * roundingGamma(n);
            worst.orthogonality = worse(worst.orthogonality, std::fabs(product) / bound);
            worst.largestDot = worse(worst.largestDot, std::fabs(product));
        }
        perturbation += valueError + 2 * lambda[k] * sineBound +
                        2 * UNIT_ROUNDOFF * (frobenius + n * lambda[k]);
    }
}
