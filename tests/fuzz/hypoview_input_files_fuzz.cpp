// hypoview's two input files on arbitrary text, and the picture drawn from what they gave.  The
// input is split at its first NUL byte: the gridded-data file before it, the hypocentre file after
// it (without a NUL both read the same text).  The readers end, keep within NTGRID and
// MAX_HYPOCENTERS and refuse a grid with a message; the extent, the picture and the fitting of the
// metafile stay sound for whatever they accepted.
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "data_extent.h"
#include "drawing.h"
#include "fuzz_support.h"
#include "grid_reading.h"
#include "hypocenter_reading.h"
#include "hypoview_data.h"
#include "projection.h"
#include "scale_to_fit.h"
#include "vector3.h"
#include "viewpoint.h"

namespace {

Hypocenters hypocenters;
SurfaceGrid surface;

void readFiles(const std::string& text) {
    std::size_t split = text.find('\0');
    std::string gridText = text.substr(0, split);
    std::string hypocenterText = split == std::string::npos ? text : text.substr(split + 1);

    std::istringstream gridFile(gridText);
    SurfaceRead read = readSurfaceGrid(gridFile, surface);
    if (read == SurfaceRead::ok) {
        require(surface.header.nx >= 1 && surface.header.nx <= NTGRID);
        require(surface.header.ny >= 1 && surface.header.ny <= NTGRID);
        require(surface.npoints == surface.header.nx * surface.header.ny);
    } else {
        require(surface.npoints == 0 && !surfaceReadMessage(read, "fuzz.grd").empty());
    }
    std::istringstream hypocenterFile(hypocenterText);
    int nh = readHypocenters(hypocenterFile, hypocenters);
    require(nh == hypocenters.nh && nh >= 0 && nh <= MAX_HYPOCENTERS);
    for (int j = 0; j < nh; ++j)
        require(std::isfinite(hypocenters.hx[j]) && std::isfinite(hypocenters.hy[j]) &&
                std::isfinite(hypocenters.hz[j]));
}

// Everything the picture projects: the data box reaching Gamma = 0, and the mesh, which runs from
// each header minimum over count - 1 spacings (up to half a spacing past the header maximum, or
// the other way for a header whose spacing is negative).
Extent drawnRegion(const Extent& e) {
    Extent drawn = e;
    drawn.zmin = std::fmin(drawn.zmin, 0.0f);
    drawn.zmax = std::fmax(drawn.zmax, 0.0f);
    if (surface.npoints <= 0) return drawn;
    const GridHeader& h = surface.header;
    float xEnd = float(double(h.x.min) + double(h.nx - 1) * h.x.spacing);
    float yEnd = float(double(h.y.min) + double(h.ny - 1) * h.y.spacing);
    drawn.xmin = std::fmin(drawn.xmin, std::fmin(h.x.min, xEnd));
    drawn.xmax = std::fmax(drawn.xmax, std::fmax(h.x.min, xEnd));
    drawn.ymin = std::fmin(drawn.ymin, std::fmin(h.y.min, yEnd));
    drawn.ymax = std::fmax(drawn.ymax, std::fmax(h.y.min, yEnd));
    return drawn;
}

// A viewpoint well away from everything drawn, as a user would choose one; none when the data
// span no distance, or when the dialogue would not accept it.
bool chooseViewpoint(const Extent& e, const Extent& drawn, const Vec3& middle, float far,
                     Vec3& eye) {
    double reach = 0;
    for (double d : {double(drawn.xmax) - middle.x, double(middle.x) - drawn.xmin,
                     double(drawn.ymax) - middle.y, double(middle.y) - drawn.ymin,
                     double(drawn.zmax) - middle.z, double(middle.z) - drawn.zmin})
        reach = std::fmax(reach, d);
    reach *= 3;
    if (!(reach > 0) || !(reach < far) || !std::isfinite(reach)) return false;
    eye = {float(middle.x + reach), float(middle.y + 0.7 * reach), float(middle.z + 0.5 * reach)};
    return judgeViewpoint(eye, e, middle, far) == ViewpointVerdict::accepted;
}

// UNIT stops the program for a vector whose squared length is zero in single precision, as for
// data spanning less than about 1e-19: such a frame is not built.
bool frameCanBeBuilt(const Vec3& middle, const Vec3& eye) {
    Vec3 toMiddle = vecSub(middle, eye);
    if (squaredLength(toMiddle) == 0) return false;
    Vec3 dir = UNIT(toMiddle);
    return squaredLength({dir.y, -dir.x, 0.0f}) != 0;
}

// Project stops the program for a point behind the eye; only a picture wholly in front is drawn.
bool allInFront(const Extent& drawn, const ViewFrame& frame) {
    PicturePoint p;
    for (float x : {drawn.xmin, drawn.xmax})
        for (float y : {drawn.ymin, drawn.ymax})
            for (float z : {drawn.zmin, drawn.zmax})
                if (!projectInFront({x, y, z}, frame, PROJECTION_SCALE, p)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilencedConsole silenced;
    readFiles(inputText(data, size));
    if (surface.npoints <= 0 && hypocenters.nh <= 0) return 0;

    const Extent extent = dataExtent(hypocenters, surface);
    const Vec3 middle = dataCenter(extent);
    const float far = distanceLimit(extent);
    const Extent drawn = drawnRegion(extent);
    Vec3 eye;
    if (!chooseViewpoint(extent, drawn, middle, far, eye) || !frameCanBeBuilt(middle, eye))
        return 0;
    const ViewFrame frame = viewFrame(middle, eye);
    if (!allInFront(drawn, frame)) return 0;

    std::ostringstream picture;
    drawPicture(picture, extent, surface, hypocenters, frame);
    require(isWholeLines(picture.str()));
    {
        std::ofstream metafile("fuzz.skm");
        metafile << picture.str();
    }
    std::string reason;
    fitMetafile<float>("fuzz.skm", reason);
    return 0;
}
