#pragma once
// Factor recipes (loadings), factor scores of the samples, and the range of each factor's scores.
#include "capacities.h"

// recipe[f][j] = sqrt(eigenvalue_f) * eigenvector[j][f]: the loading of variable j on factor f.
void computeRecipes(const VarVector& eigenvalue, const VarMatrix& eigenvector, int nKeep, int nVar,
                    VarMatrix& recipe);

// score[i][f]: the centred sample i projected on eigenvector f, divided by sqrt(eigenvalue_f),
// formed as sum_j (data - mean) * recipe / eigenvalue with a single-precision running sum.  A
// factor whose eigenvalue is 0 carries no variance: its scores are 0 (see hasZeroEigenvalue).
void computeScores(const SampleMatrix& data, const VarVector& mean, const VarMatrix& recipe,
                   const VarVector& eigenvalue, int nSample, int nVar, int nKeep,
                   SampleMatrix& score);

// Whether the scores of factor f were set to 0 instead of divided by a zero eigenvalue.
bool hasZeroEigenvalue(const VarVector& eigenvalue, int f);

// The smallest and largest score of each factor.
void scoreRange(const SampleMatrix& score, int nSample, int nKeep, VarVector& low, VarVector& high);
