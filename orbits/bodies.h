#pragma once
// The state of a system of point masses as every orbits routine sees it.
//
// Vectors are held coordinate-major: row 0 holds the x values, row 1 the y values, row 2 the z
// values, and column i belongs to body i (bodies are numbered from 0 here, from 1 on screen).
// Every routine takes the number of bodies n and touches only the first n columns.

constexpr int MAX_BODIES = 10;

constexpr double HALF = 0.5;

using BodyVectors = double[3][MAX_BODIES];
