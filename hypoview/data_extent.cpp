#include "data_extent.h"

#include "console.h"

namespace {

constexpr float EXTENT_START = 9.9e29f;
// A viewpoint farther than this many data ranges from the centre drowns the picture in roundoff.
constexpr double DISTANCE_FACTOR = 100000.0;

float middle(float low, float high) {
    return float((double(low) + high) / 2);
}

}  // namespace

Extent dataExtent(const Hypocenters& h, const SurfaceGrid& s) {
    Extent e{EXTENT_START, -EXTENT_START, EXTENT_START, -EXTENT_START, EXTENT_START, -EXTENT_START};
    for (int j = 0; j < h.nh; ++j) {
        e.xmin = minOf(e.xmin, h.hx[j]);
        e.xmax = maxOf(e.xmax, h.hx[j]);
        e.ymin = minOf(e.ymin, h.hy[j]);
        e.ymax = maxOf(e.ymax, h.hy[j]);
        e.zmin = minOf(e.zmin, h.hz[j]);
        e.zmax = maxOf(e.zmax, h.hz[j]);
    }
    if (s.npoints >= 1) {
        for (int ix = 0; ix < s.header.nx; ++ix) {
            for (int iy = 0; iy < s.header.ny; ++iy) {
                e.zmin = minOf(e.zmin, s.grid[ix][iy]);
                e.zmax = maxOf(e.zmax, s.grid[ix][iy]);
            }
        }
        e.xmin = minOf(e.xmin, s.header.x.min);
        e.ymin = minOf(e.ymin, s.header.y.min);
        e.xmax = maxOf(e.xmax, s.header.x.max);
        e.ymax = maxOf(e.ymax, s.header.y.max);
    }
    return e;
}

Vec3 dataCenter(const Extent& e) {
    return {middle(e.xmin, e.xmax), middle(e.ymin, e.ymax), middle(e.zmin, e.zmax)};
}

float distanceLimit(const Extent& e) {
    float widest = maxOf3(float(double(e.xmax) - e.xmin), float(double(e.ymax) - e.ymin),
                          float(double(e.zmax) - e.zmin));
    return float(double(widest) * DISTANCE_FACTOR);
}
