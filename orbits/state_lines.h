#pragma once
// The lines that show the bodies' state: the echo of a typed body, the initial tables, and the
// per-step lines of the screen, the log and the metafile.
#include <ostream>

#include "bodies.h"

// The seven typed numbers of one body, each in 9 characters, one blank between them.
void writeBodyEcho(std::ostream& os, int body, const double mass[], const BodyVectors position,
                   const BodyVectors velocity);

// "Body  1 mass: ...  x: ...  y: ...  z: ..." for every body (numbers in 12 characters).
void writeInitialPositions(std::ostream& os, const double mass[], int n,
                           const BodyVectors position);
// "Body  1 mass: ... Vx: ... Vy: ... Vz: ..." for every body.
void writeInitialVelocities(std::ostream& os, const double mass[], int n,
                            const BodyVectors velocity);

// "      Body  1 " and the six state numbers in 9 characters (screen) or 13 (log).
void writeScreenBodyLine(std::ostream& os, int body, const BodyVectors position,
                         const BodyVectors velocity);
void writeLogBodyLine(std::ostream& os, int body, const BodyVectors position,
                      const BodyVectors velocity);

// The segment from the previous to the new x-y position, then a point at the new position.
void writeBodyPath(std::ostream& metafile, int body, const BodyVectors previous,
                   const BodyVectors position);
