#include "drawing.h"

#include "metafile.h"

namespace {

PicturePoint project(float x, float y, float z, const ViewFrame& frame) {
    return Project({x, y, z}, frame, PROJECTION_SCALE);
}

void writeLine(std::ostream& os, const PicturePoint& a, const PicturePoint& b) {
    writeLineCommand(os, a.u, a.v, b.u, b.v);
}

// The mesh coordinate of grid index i: computed from the integer in double precision.
float meshStart(int i, float spacing, float origin) {
    return float(double(i) * spacing + origin);
}

}  // namespace

void drawBox(std::ostream& os, const Extent& e, const ViewFrame& frame) {
    // The box always reaches Gamma = 0: down to the deepest value when anything lies below it,
    // otherwise up to the highest.
    const float zb = e.zmin < 0 ? e.zmin : e.zmax;
    const float zt = 0.0f;
    // Each corner is projected just before the first edge that needs it, so that a corner behind
    // the eye stops the drawing with the edges before it written.
    PicturePoint b1 = project(e.xmin, e.ymin, zb, frame);
    PicturePoint b2 = project(e.xmax, e.ymin, zb, frame);
    writeLine(os, b1, b2);
    PicturePoint b3 = project(e.xmax, e.ymax, zb, frame);
    writeLine(os, b2, b3);
    PicturePoint b4 = project(e.xmin, e.ymax, zb, frame);
    writeLine(os, b3, b4);
    writeLine(os, b4, b1);
    PicturePoint t1 = project(e.xmin, e.ymin, zt, frame);
    writeLine(os, b1, t1);
    PicturePoint t2 = project(e.xmax, e.ymin, zt, frame);
    writeLine(os, b2, t2);
    PicturePoint t3 = project(e.xmax, e.ymax, zt, frame);
    writeLine(os, b3, t3);
    PicturePoint t4 = project(e.xmin, e.ymax, zt, frame);
    writeLine(os, b4, t4);
    writeLine(os, t1, t2);
    writeLine(os, t2, t3);
    writeLine(os, t3, t4);
    writeLine(os, t4, t1);
}

void drawSurfaceMesh(std::ostream& os, const SurfaceGrid& s, const ViewFrame& frame) {
    if (s.npoints <= 1) return;
    const GridHeader& h = s.header;
    // Along a line the running coordinate is accumulated in single precision rather than
    // recomputed from the index; its last digits may drift from y0 + i * dy, and the picture
    // keeps that drift.
    for (int ix = 0; ix < h.nx; ++ix) {
        const float x = meshStart(ix, h.x.spacing, h.x.min);
        float y = h.y.min;
        PicturePoint a = project(x, y, s.grid[ix][0], frame);
        for (int iy = 1; iy < h.ny; ++iy) {
            y = float(double(y) + h.y.spacing);
            PicturePoint b = project(x, y, s.grid[ix][iy], frame);
            writeLine(os, a, b);
            a = b;
        }
    }
    for (int iy = 0; iy < h.ny; ++iy) {
        float x = h.x.min;
        const float y = meshStart(iy, h.y.spacing, h.y.min);
        PicturePoint a = project(x, y, s.grid[0][iy], frame);
        for (int ix = 1; ix < h.nx; ++ix) {
            x = float(double(x) + h.x.spacing);
            PicturePoint b = project(x, y, s.grid[ix][iy], frame);
            writeLine(os, a, b);
            a = b;
        }
    }
}

void drawHypocenters(std::ostream& os, const Hypocenters& h, const ViewFrame& frame) {
    for (int j = 0; j < h.nh; ++j) {
        PicturePoint p = project(h.hx[j], h.hy[j], h.hz[j], frame);
        writePointCommand(os, p.u, p.v);
    }
}

void drawPicture(std::ostream& os, const Extent& extent, const SurfaceGrid& surface,
                 const Hypocenters& hypocenters, const ViewFrame& frame) {
    drawBox(os, extent, frame);
    drawSurfaceMesh(os, surface, frame);
    drawHypocenters(os, hypocenters, frame);
}
