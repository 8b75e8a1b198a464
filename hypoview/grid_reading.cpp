#include "grid_reading.h"

#include <cmath>

namespace {

// gridCount gives no count beyond GRID_COUNT_LIMIT; an axis that is sound apart from that is
// simply far too large for this program, and is refused as such.
bool beyondCountLimit(const GridAxis& axis) {
    if (!std::isfinite(axis.min) || !std::isfinite(axis.max) || !std::isfinite(axis.spacing) ||
        axis.spacing == 0)
        return false;
    return float(double(axis.max) - axis.min) / axis.spacing >= float(NTGRID);
}

bool tooLarge(const GridHeader& header) {
    return header.nx > NTGRID || header.ny > NTGRID || beyondCountLimit(header.x) ||
           beyondCountLimit(header.y);
}

}  // namespace

SurfaceRead readSurfaceGrid(std::istream& in, SurfaceGrid& surface) {
    surface.npoints = 0;
    GridRead header = readGridHeader(in, surface.header);
    if (header != GridRead::ok && header != GridRead::noUsableCount) {
        return header == GridRead::endOfFile ? SurfaceRead::endOfFile : SurfaceRead::notANumber;
    }
    if (tooLarge(surface.header)) return SurfaceRead::tooLarge;
    if (header == GridRead::noUsableCount) return SurfaceRead::noUsableCount;

    const int nx = surface.header.nx;
    const int ny = surface.header.ny;
    // The northern row comes first, each row from west to east.
    for (int iy = ny - 1; iy >= 0; --iy) {
        for (int ix = 0; ix < nx; ++ix) {
            switch (readGridValue(in, surface.grid[ix][iy])) {
                case GridRead::ok:
                    break;
                case GridRead::endOfFile:
                    return SurfaceRead::endOfFile;
                default:
                    return SurfaceRead::notANumber;
            }
        }
    }
    surface.npoints = nx * ny;
    return SurfaceRead::ok;
}

std::string surfaceReadMessage(SurfaceRead what, const std::string& fileName) {
    switch (what) {
        case SurfaceRead::ok:
            return "";
        case SurfaceRead::tooLarge:
            return "Topography grid is too large.\nRecompile with larger value of NTGRID.\n";
        case SurfaceRead::endOfFile:
            return gridReadMessage(GridRead::endOfFile, fileName);
        case SurfaceRead::notANumber:
            return gridReadMessage(GridRead::notANumber, fileName);
        case SurfaceRead::noUsableCount:
            return gridReadMessage(GridRead::noUsableCount, fileName);
    }
    return "";
}

void scaleGrid(SurfaceGrid& surface, float multiplier) {
    if (surface.npoints <= 0) return;
    for (int ix = 0; ix < surface.header.nx; ++ix)
        for (int iy = 0; iy < surface.header.ny; ++iy)
            surface.grid[ix][iy] = float(double(multiplier) * surface.grid[ix][iy]);
}
