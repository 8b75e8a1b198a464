#pragma once
// The extent of the data in all three coordinates, its centre, and the distance beyond which a
// viewpoint is refused.
#include "hypoview_data.h"
#include "vector3.h"

struct Extent {
    float xmin, xmax, ymin, ymax, zmin, zmax;
};

// From the hypocentres and, when a grid is present, the grid: its horizontal extent from its
// header, its vertical extent from its values.  With no data at all the start values remain
// (min 9.9e29, max -9.9e29).
Extent dataExtent(const Hypocenters& hypocenters, const SurfaceGrid& surface);

// M, the middle of the extent.
Vec3 dataCenter(const Extent& extent);

// far: 100000 times the largest of the three ranges.  Zero when all data lie at one point.
float distanceLimit(const Extent& extent);
