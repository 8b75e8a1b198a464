#pragma once
// The grid of a run: its point counts and the six numbers that head every array written.  x is
// the horizontal distance; z the height, 0 at the surface and negative below (the header's second
// line, so the surface row comes first in the file).
#include "grid_file.h"

struct HeaterGrid {
    GridAxis x;  // min, dx, max
    GridAxis z;  // min, dz, max
    int nx = 0;
    int nz = 0;
};

// The frame of a grid built at the console: x from 0, z from (1 - nz) dz up to 0.
inline HeaterGrid newHeaterGrid(int nx, int nz, float dx, float dz) {
    HeaterGrid grid;
    grid.x = {0.0f, dx, static_cast<float>(nx - 1) * dx};
    grid.z = {static_cast<float>(1 - nz) * dz, dz, 0.0f};
    grid.nx = nx;
    grid.nz = nz;
    return grid;
}
