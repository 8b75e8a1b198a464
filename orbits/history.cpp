#include "history.h"

#include "integrators.h"
#include "notation.h"
#include "state_lines.h"

namespace {

bool anyOf(const bool show[], int n) {
    for (int i = 0; i < n; ++i)
        if (show[i]) return true;
    return false;
}

void copyPositions(int n, const BodyVectors from, BodyVectors to) {
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 3; ++k) to[k][i] = from[k][i];
}

}  // namespace

double runHistory(int nsteps, double dt, double G, int intOpt, const double mass[], int n,
                  BodyVectors velocity, BodyVectors position, const bool show[],
                  BodyVectors previous, HistoryStreams out) {
    const bool anyShown = anyOf(show, n);
    double time = 0;
    for (int step = 1; step <= nsteps; ++step) {
        if (anyShown) copyPositions(n, position, previous);
        time += dt;
        if (anyShown) {
            out.screen << num(time) << " = time:\n";
            out.log << "At time =" << num(time) << ",\n";
        } else {
            out.screen << '.';
        }
        integrateStep(dt, G, intOpt, mass, n, velocity, position);
        if (!anyShown) continue;
        for (int i = 0; i < n; ++i) {
            if (!show[i]) continue;
            writeScreenBodyLine(out.screen, i, position, velocity);
            writeLogBodyLine(out.log, i, position, velocity);
            writeBodyPath(out.metafile, i, previous, position);
        }
    }
    return time;
}
