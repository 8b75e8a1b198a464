#include "viewpoint.h"

#include <cmath>

#include "console.h"

namespace {

bool within(float value, float low, float high) {
    return low <= value && value <= high;
}

}  // namespace

ViewpointVerdict judgeViewpoint(const Vec3& eye, const Extent& e, const Vec3& middle, float far) {
    if (within(eye.x, e.xmin, e.xmax) && within(eye.y, e.ymin, e.ymax) &&
        within(eye.z, e.zmin, e.zmax))
        return ViewpointVerdict::inside;
    // The largest coordinate difference, not the Euclidean distance.
    float dist = maxOf3(std::fabs(eye.x - middle.x), std::fabs(eye.y - middle.y),
                        std::fabs(eye.z - middle.z));
    if (dist > far) return ViewpointVerdict::tooDistant;
    if (eye.x == middle.x && eye.y == middle.y) return ViewpointVerdict::vertical;
    return ViewpointVerdict::accepted;
}

Vec3 stereoViewpoint(const Vec3& middle, const Vec3& eye) {
    float dx = float(double(middle.x) - eye.x);
    float dy = float(double(middle.y) - eye.y);
    float r = float(std::sqrt(double(dx) * dx + double(dy) * dy));
    float a = float(std::atan2(double(dy), double(dx)));
    a = float(double(a) + STEREO_ANGLE);
    return {float(double(middle.x) - std::cos(double(a)) * r),
            float(double(middle.y) - std::sin(double(a)) * r), eye.z};
}
