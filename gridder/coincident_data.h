#pragma once
// Neighbours that share a position.  Without an intercept the model gives two such data no
// variance between them: their rows of the kriging system are equal as far as a float can tell,
// the system is singular, and its weights are noise or not numbers at all.  Kriged as one datum
// holding the mean of their values, each group takes the place it has in the data.
#include "neighbors.h"

// Whether two of the m neighbours share a position while the model value between them vanishes
// next to 1, the border entries of the system.  O(1) when the model has an intercept, else O(m^2)
// comparisons.
bool coincidenceMakesSingular(const VariogramModel& model, const float x[], const float y[],
                              const KrigingWork& work, int m);

// Enters the m neighbours again as one datum per position, in the order of each position's first
// neighbour; value[g] is the mean of the values of group g.  Returns the number of groups.
// O(m^2) comparisons and model values.
int mergeCoincident(const VariogramModel& model, const float x[], const float y[], const float z[],
                    float x0, float y0, KrigingWork& work, int m, float value[]);
