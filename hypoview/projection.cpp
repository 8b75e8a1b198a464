#include "projection.h"

#include <iostream>

#include "output_files.h"

ViewFrame viewFrame(const Vec3& middle, const Vec3& eye) {
    ViewFrame frame;
    frame.eye = eye;
    frame.dir = UNIT(vecSub(middle, eye));
    frame.right = UNIT({frame.dir.y, -frame.dir.x, 0.0f});
    frame.up = UNIT(crossProduct(frame.right, frame.dir));
    return frame;
}

bool projectInFront(const Vec3& point, const ViewFrame& frame, float scale, PicturePoint& picture) {
    Vec3 d = vecSub(point, frame.eye);
    float depth = dotProduct(d, frame.dir);
    if (depth <= 0) return false;
    // Scaling d onto the picture plane and removing dir leaves the offset within the plane.
    float r = float(1.0 / depth);
    Vec3 q{float(double(r) * d.x), float(double(r) * d.y), float(double(r) * d.z)};
    Vec3 g = vecSub(q, frame.dir);
    picture.u = float(double(dotProduct(g, frame.right)) * scale);
    picture.v = float(double(dotProduct(g, frame.up)) * scale);
    return true;
}

PicturePoint Project(const Vec3& point, const ViewFrame& frame, float scale) {
    PicturePoint picture;
    if (!projectInFront(point, frame, scale, picture)) {
        std::cout << "\nError in Project: Point to be"
                  << " projected is behind the observer!"
                  << "\n"
                  << std::flush;
        stopProgram(-1);
    }
    return picture;
}
