#pragma once
// Which viewpoints the picture can be drawn from, and the viewpoint for the second picture of a
// stereo pair.
#include "data_extent.h"
#include "vector3.h"

enum class ViewpointVerdict { accepted, inside, tooDistant, vertical };

// Tested in this order: inside the data extent (faces included), farther than far from the
// centre in any one coordinate, straight above or below the centre.
ViewpointVerdict judgeViewpoint(const Vec3& eye, const Extent& extent, const Vec3& middle,
                                float far);

// The eye turned about the vertical axis through the centre by STEREO_ANGLE, counter-clockwise
// seen from above, which moves it to the viewer's right; the height is kept.
Vec3 stereoViewpoint(const Vec3& middle, const Vec3& eye);

// About 6 degrees, in radians.
constexpr float STEREO_ANGLE = 0.10471935f;
