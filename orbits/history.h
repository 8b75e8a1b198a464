#pragma once
// The time loop of a run: steps the system and, for the bodies shown, follows them on the screen,
// in the log and as paths in the metafile.
#include <ostream>

#include "bodies.h"

struct HistoryStreams {
    std::ostream& screen;
    std::ostream& log;       // written only when a body is shown
    std::ostream& metafile;  // likewise
};

// Takes nsteps steps of length dt with method intOpt (none when nsteps < 1) and returns the
// running time, a sum of dt over the steps.  Without any body shown each step prints one '.';
// otherwise each step prints the running time (in general notation, with the precision the
// stream was left at) and the state after the step of every shown body.  previous holds the
// positions before the latest step.  Nothing is flushed in the loop.
double runHistory(int nsteps, double dt, double G, int intOpt, const double mass[], int n,
                  BodyVectors velocity, BodyVectors position, const bool show[],
                  BodyVectors previous, HistoryStreams out);
