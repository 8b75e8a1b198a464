#pragma once
// The wire-frame picture written into the metafile as L and P commands in picture coordinates:
// the outline of the data box, the surface mesh and the hypocentres.  No line is hidden.  A point
// at or behind the eye stops the program through Project after the commands before it have been
// written.
#include <ostream>

#include "data_extent.h"
#include "hypoview_data.h"
#include "projection.h"

// The 12 edges of the box from the data's horizontal extent down (or up) to its deepest (or
// highest) Gamma and up (or down) to Gamma = 0: bottom square, the four uprights, top square.
void drawBox(std::ostream& metafile, const Extent& extent, const ViewFrame& frame);

// ny - 1 lines along y for each of nx columns, then nx - 1 lines along x for each of ny rows;
// nothing for a grid of fewer than two points.
void drawSurfaceMesh(std::ostream& metafile, const SurfaceGrid& surface, const ViewFrame& frame);

// One P command per hypocentre.
void drawHypocenters(std::ostream& metafile, const Hypocenters& hypocenters,
                     const ViewFrame& frame);

// The whole drawing in its order: box, mesh, hypocentres.
void drawPicture(std::ostream& metafile, const Extent& extent, const SurfaceGrid& surface,
                 const Hypocenters& hypocenters, const ViewFrame& frame);
