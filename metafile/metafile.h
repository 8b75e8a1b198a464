#pragma once
// Graphics metafile commands.  L and P numbers are written by writeFixedWidth in 10 characters,
// one blank between them: "L x1 y1 x2 y2" and "P x y", each ended by a line end.
#include <ostream>

void writeLineCommand(std::ostream& os, float x1, float y1, float x2, float y2);
void writeLineCommand(std::ostream& os, double x1, double y1, double x2, double y2);
void writePointCommand(std::ostream& os, float x, float y);
void writePointCommand(std::ostream& os, double x, double y);
