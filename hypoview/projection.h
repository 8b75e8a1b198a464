#pragma once
// Central perspective from the eye onto a picture plane at unit distance along the view
// direction.  Picture coordinates (u, v) run along right and up from where dir meets the plane.
#include "vector3.h"

struct ViewFrame {
    Vec3 eye;    // E, the accepted viewpoint
    Vec3 dir;    // unit vector from the eye toward the data centre
    Vec3 right;  // unit, horizontal, to the right when looking along dir
    Vec3 up;     // unit, perpendicular to both, with a positive Gamma component
};

// Built once per run from the data centre M and the eye E.  The dialogue refuses an eye straight
// above or below M, where right would have no length.
ViewFrame viewFrame(const Vec3& middle, const Vec3& eye);

struct PicturePoint {
    float u = 0, v = 0;
};

// Projects point into picture coordinates; false (and picture untouched) when the point is level
// with or behind the eye, where no central projection exists.
bool projectInFront(const Vec3& point, const ViewFrame& frame, float scale, PicturePoint& picture);

// As projectInFront, but a point at or behind the eye writes the Project error on the console
// and stops the program (-1); every output file keeps what was written before.
PicturePoint Project(const Vec3& point, const ViewFrame& frame, float scale);

// Every projection of the drawing uses this scale.
constexpr float PROJECTION_SCALE = 1.0f;
