#pragma once
// The extent of a dataset: its bounding rectangle and diagonal.

struct DataExtent {
    float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    float rMax = 0;      // the diagonal: the largest distance two data points can have
    float halfRMax = 0;  // rMax / 2, the distance scale of the variogram polynomial
};

DataExtent computeExtent(const float x[], const float y[], int n);
