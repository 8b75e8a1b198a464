#include "factors.h"

#include <cmath>

void computeRecipes(const VarVector& eigenvalue, const VarMatrix& eigenvector, int nKeep, int nVar,
                    VarMatrix& recipe) {
    for (int f = 0; f < nKeep; ++f) {
        double root = std::sqrt(double(eigenvalue[f]));
        for (int j = 0; j < nVar; ++j) recipe[f][j] = float(root * double(eigenvector[j][f]));
    }
}

bool hasZeroEigenvalue(const VarVector& eigenvalue, int f) {
    return eigenvalue[f] == 0;
}

void computeScores(const SampleMatrix& data, const VarVector& mean, const VarMatrix& recipe,
                   const VarVector& eigenvalue, int nSample, int nVar, int nKeep,
                   SampleMatrix& score) {
    for (int i = 0; i < nSample; ++i)
        for (int f = 0; f < nKeep; ++f) {
            if (hasZeroEigenvalue(eigenvalue, f)) {
                score[i][f] = 0;
                continue;
            }
            float sum = 0;
            for (int j = 0; j < nVar; ++j) {
                double centred = double(data[i][j]) - double(mean[j]);
                sum = float(double(sum) + centred * double(recipe[f][j]));
            }
            score[i][f] = float(double(sum) / double(eigenvalue[f]));
        }
}

void scoreRange(const SampleMatrix& score, int nSample, int nKeep, VarVector& low,
                VarVector& high) {
    for (int f = 0; f < nKeep; ++f) {
        low[f] = high[f] = score[0][f];
        for (int i = 1; i < nSample; ++i) {
            if (score[i][f] > high[f]) high[f] = score[i][f];
            if (score[i][f] < low[f]) low[f] = score[i][f];
        }
    }
}
