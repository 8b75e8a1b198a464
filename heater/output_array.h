#pragma once
// The arrays heater writes: the gridded-data header, then one line per row (surface first) of
// temperatures rounded to whole degrees, each a blank and the number right-aligned in 4 columns
// (wider when it needs more).  The caption line that follows belongs to the caller.
#include <ostream>

#include "field.h"
#include "heater_grid.h"

// Rounded to the nearest whole number, halves away from zero: -3.2 gives -3, -2.5 gives -3, 2.5
// gives 3.  Non-finite values stay as they are.
float roundedTemperature(float value);

// " " and the rounded value in a field of 4, for columns 1..count of the row.
void writeRoundedRow(std::ostream& os, const float* row, int count);

// Header and rows 1..nz, each of nx values.
void writeTemperatureArray(std::ostream& os, const HeaterGrid& grid, const TemperatureField& T);

// The console echo of an array: each row's first min(nx, 15) values in the same form.
constexpr int ECHO_COLUMNS = 15;
void echoTemperatureRows(std::ostream& os, const HeaterGrid& grid, const TemperatureField& T);
