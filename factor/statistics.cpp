#include "statistics.h"

#include <cmath>

void computeMeans(const SampleMatrix& data, int nSample, int nVar, VarVector& mean) {
    for (int j = 0; j < nVar; ++j) {
        float sum = 0;
        for (int i = 0; i < nSample; ++i) sum = float(double(sum) + double(data[i][j]));
        mean[j] = float(double(sum) / nSample);
    }
}

void computeCovariance(const SampleMatrix& data, const VarVector& mean, int nSample, int nVar,
                       VarMatrix& cov) {
    for (int j = 0; j < nVar; ++j)
        for (int k = 0; k < nVar; ++k) {
            float sum = 0;
            for (int i = 0; i < nSample; ++i) {
                double dj = double(data[i][j]) - double(mean[j]);
                double dk = double(data[i][k]) - double(mean[k]);
                sum = float(double(sum) + dj * dk);
            }
            cov[j][k] = float(double(sum) / (nSample - 1));
        }
}

void computeDeviations(const VarMatrix& cov, int nVar, VarVector& variance, VarVector& sigma) {
    for (int j = 0; j < nVar; ++j) {
        variance[j] = cov[j][j];
        sigma[j] = float(std::pow(double(variance[j]), 0.5));
    }
}

void computeCorrelation(const VarMatrix& cov, const VarVector& sigma, int nVar, VarMatrix& corr) {
    for (int j = 0; j < nVar; ++j)
        for (int k = 0; k < nVar; ++k) {
            double product = double(sigma[j]) * double(sigma[k]);
            corr[j][k] = product != 0 ? float(double(cov[j][k]) / product) : 0.0f;
        }
}

float traceOf(const VarVector& variance, int nVar) {
    float trace = 0;
    for (int j = 0; j < nVar; ++j) trace = float(double(trace) + double(variance[j]));
    return trace;
}

void eigenvalueShares(const VarVector& eigenvalue, int nFound, float trace, VarVector& relative,
                      VarVector& cumulative) {
    float sum = 0;
    for (int k = 0; k < nFound; ++k) {
        relative[k] = trace != 0 ? float(double(eigenvalue[k]) * 100 / double(trace)) : 0.0f;
        sum = float(double(sum) + double(relative[k]));
        cumulative[k] = sum;
    }
}
