#pragma once
// One run of orbits' step routine on the two-body Kepler orbit of eccentricity 0.5 (G = 1,
// masses 0.75 and 0.25, semi-major axis 1, period 2 pi), started at pericentre.

struct KeplerErrors {
    double position = 0;       // the largest distance of a body from its start after the run
    double finalEnergy = 0;    // |E_end - E_0| / |E_0|
    double largestEnergy = 0;  // the largest |E - E_0| / |E_0| after any step
};

// periods whole periods of stepsPerPeriod steps each with method intOpt.
KeplerErrors keplerRun(int intOpt, int stepsPerPeriod, int periods);
