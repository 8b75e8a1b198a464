#pragma once
// The number of time steps in a history.

struct StepCount {
    int nsteps;
    // Why no steps are taken although some were asked for (nullptr when the count stands).
    const char* refusal;
};

// totalTime / dt + 0.5, truncated toward zero: the nearest whole number of steps, halves up.
// A time step of zero or less, and a quotient beyond the int range, give 0 steps and a refusal.
StepCount stepCount(double totalTime, double dt);
