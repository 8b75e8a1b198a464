#pragma once
// Fields for the solver tests: everything outside the grid holds a sentinel, so that a routine
// that reads or writes beyond its rows and columns shows it.
#include <cstring>

#include "field.h"

constexpr float OUTSIDE = 1.0e6f;

// The field the tests hand to the routines, at file scope as heater keeps its own.
inline TemperatureField T;

inline void fillField(TemperatureField& T, int nx, int nz, float (*value)(int i, int j)) {
    for (int i = 0; i < FIELD_SIZE; ++i)
        for (int j = 0; j < FIELD_SIZE; ++j)
            T[i][j] = (i >= 1 && i <= nz && j >= 1 && j <= nx) ? value(i, j) : OUTSIDE;
}

inline bool outsideUntouched(const TemperatureField& T, int nx, int nz) {
    for (int i = 0; i < FIELD_SIZE; ++i)
        for (int j = 0; j < FIELD_SIZE; ++j)
            if (!(i >= 1 && i <= nz && j >= 1 && j <= nx) && T[i][j] != OUTSIDE) return false;
    return true;
}
