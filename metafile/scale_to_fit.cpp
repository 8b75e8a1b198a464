#include "scale_to_fit.h"

#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>

#include "console.h"
#include "file_kind.h"
#include "metafile.h"
#include "metafile_reader.h"
#include "notation.h"
#include "output_files.h"

namespace {

// The plot rectangle.  Both sides are single-precision constants in either pass, so the double
// pass also fits a width of 9.899999618530273.
constexpr float PLOT_WIDTH = 9.9f;
constexpr float PLOT_HEIGHT = 7.5f;
constexpr double CENTRE_FACTOR = 0.5;
constexpr double EXTENT_START = 9.9e29;
constexpr const char* SCRATCH_NAME = "temporary.tmp";
// The fixed-width formatter writes a '!' fill for any magnitude whose logarithm exceeds this; such
// a number could not be read back from the scratch file.
constexpr double FIELD_OVERFLOW_LOG = 38.5;

// A pass ends early by throwing its reason; fitMetafile turns it into a result.
struct Refusal {
    std::string reason;
};

// xmin or ymin as the identical-values message shows it: fixed notation with 4 decimals.
std::string fourDecimals(double value) {
    char text[NOTATION_BUFFER];
    formatFixed(text, value, 4);
    return text;
}

template <class Real>
struct Extent {
    Real xmin = Real(EXTENT_START), xmax = Real(-EXTENT_START);
    Real ymin = Real(EXTENT_START), ymax = Real(-EXTENT_START);

    void line(Real& x1, Real& y1, Real& x2, Real& y2) {
        xmin = minOf3(xmin, x1, x2);
        xmax = maxOf3(xmax, x1, x2);
        ymin = minOf3(ymin, y1, y2);
        ymax = maxOf3(ymax, y1, y2);
    }
    void point(Real& x, Real& y) {
        xmin = minOf(xmin, x);
        xmax = maxOf(xmax, x);
        ymin = minOf(ymin, y);
        ymax = maxOf(ymax, y);
    }
};

// (x, y) -> (x s + ox, y s + oy).  Each value is computed in double precision and stored in Real,
// which is where the single-precision pass rounds.
template <class Real>
struct Fit {
    Real s, ox, oy;

    Real mapX(Real x) const { return Real(double(x) * double(s) + double(ox)); }
    Real mapY(Real y) const { return Real(double(y) * double(s) + double(oy)); }
    void line(Real& x1, Real& y1, Real& x2, Real& y2) const {
        x1 = mapX(x1);
        y1 = mapY(y1);
        x2 = mapX(x2);
        y2 = mapY(y2);
    }
    void point(Real& x, Real& y) const {
        x = mapX(x);
        y = mapY(y);
    }
};

template <class Real>
Fit<Real> fitToRectangle(const Extent<Real>& e) {
    Real cx = Real((double(e.xmin) + double(e.xmax)) / 2);
    Real cy = Real((double(e.ymin) + double(e.ymax)) / 2);
    if (!(e.xmax > e.xmin)) throw Refusal{"all X-values are identical: " + fourDecimals(e.xmin)};
    Real sx = Real(double(PLOT_WIDTH) / (double(e.xmax) - double(e.xmin)));
    if (!(e.ymax > e.ymin)) throw Refusal{"all Y-values are identical: " + fourDecimals(e.ymin)};
    Real sy = Real(double(PLOT_HEIGHT) / (double(e.ymax) - double(e.ymin)));
    Fit<Real> fit;
    fit.s = minOf(sx, sy);
    fit.ox = Real(CENTRE_FACTOR * double(PLOT_WIDTH) - double(fit.s) * double(cx));
    fit.oy = Real(CENTRE_FACTOR * double(PLOT_HEIGHT) - double(fit.s) * double(cy));
    // A drawing only a few smallest numbers across would need an infinite scale.
    if (!std::isfinite(fit.s) || !std::isfinite(fit.ox) || !std::isfinite(fit.oy))
        throw Refusal{"the drawing is too small to be scaled."};
    return fit;
}

template <class Real>
std::string where(const MetafileCommand<Real>& c, const std::string& file) {
    return std::string("the ") + c.letter + " command on line " + std::to_string(c.line) + " of " +
           file;
}

template <class Real>
void checkWritable(const MetafileCommand<Real>& c, const std::string& file, int count) {
    const Real values[4] = {c.x1, c.y1, c.x2, c.y2};
    for (int i = 0; i < count; ++i) {
        double v = values[i];
        if (!(std::isfinite(v) && (v == 0 || std::log10(std::fabs(v)) <= FIELD_OVERFLOW_LOG)))
            throw Refusal{where(c, file) + " holds a number too large to be plotted."};
    }
}

// One copy of the L, P and T commands of in to out, letting the action see (and change) every
// coordinate pair; anything else in the input is dropped.
template <class Real, class Action>
void copyCommands(std::istream& in, const std::string& inName, std::ostream& out, Action& action) {
    MetafileReader<Real> reader(in);
    MetafileCommand<Real> c;
    for (;;) {
        switch (reader.next(c)) {
            case MetafileStatus::end:
                return;
            case MetafileStatus::cutShort:
                throw Refusal{where(c, inName) + " is cut short by the end of the file."};
            case MetafileStatus::unreadable:
                throw Refusal{std::string("a number of the ") + c.letter + " command on line " +
                              std::to_string(c.line) + " of " + inName +
                              " cannot be read: " + reader.unreadableWord()};
            case MetafileStatus::command:
                break;
        }
        if (c.letter == 'L') {
            checkWritable(c, inName, 4);
            action.line(c.x1, c.y1, c.x2, c.y2);
            writeLineCommand(out, c.x1, c.y1, c.x2, c.y2);
        } else if (c.letter == 'P') {
            checkWritable(c, inName, 2);
            action.point(c.x1, c.y1);
            writePointCommand(out, c.x1, c.y1);
        } else {
            out << 'T' << c.textLine << '\n' << c.text << '\n';
        }
    }
}

// One copy of the whole file from inName to outName through the action.
template <class Real, class Action>
void copyPass(const std::string& inName, const std::string& outName, Action& action) {
    std::ifstream in(inName);
    if (!in.is_open()) throw Refusal{"file " + inName + " could not be opened."};
    OutputFile out;
    if (!out.create(outName, false)) throw Refusal{"file " + outName + " could not be created."};
    copyCommands<Real>(in, inName, out, action);
    out.close();
    if (out.fail()) throw Refusal{"file " + outName + " could not be written."};
}

enum class NameUse { plainFile, scratchFile, folder, specialFile };

// The first pass creates the scratch file while the metafile is still to be read; were they one
// file, the drawing would be emptied before a line of it had been copied.  A folder cannot be
// written, and a device or a pipe never gives the drawing back (/dev/zero reads on for ever, a
// pipe blocks until someone reads it).
NameUse useOf(const std::string& name) {
    if (namesOneFile(name, SCRATCH_NAME)) return NameUse::scratchFile;
    switch (fileKindOf(name)) {
        case FileKind::folder:
            return NameUse::folder;
        case FileKind::specialFile:
            return NameUse::specialFile;
        case FileKind::missing:
        case FileKind::plainFile:
            break;
    }
    return NameUse::plainFile;
}

void refuseUnfittableName(const std::string& metafileName) {
    switch (useOf(metafileName)) {
        case NameUse::plainFile:
            return;
        case NameUse::scratchFile:
            throw Refusal{"file " + metafileName + " is the scratch file of this pass."};
        case NameUse::folder:
        case NameUse::specialFile:
            throw Refusal{"file " + metafileName + " is not a plain file."};
    }
}

void announce() {
    std::cout << "\nScaling plot to fit in a rectangle of " << std::fixed << std::setprecision(4)
              << num(PLOT_WIDTH) << " by " << num(PLOT_HEIGHT) << " units.\n"
              << "Graphics metafile must be copied twice; be patient.....\n"
              << std::flush;
}

}  // namespace

template <class Real>
bool fitMetafile(const std::string& metafileName, std::string& reason) {
    try {
        // The metafile is only read until the scratch copy is complete and every number in it is
        // known to be readable; only then is it replaced.
        refuseUnfittableName(metafileName);
        Extent<Real> extent;
        copyPass<Real>(metafileName, SCRATCH_NAME, extent);
        Fit<Real> fit = fitToRectangle(extent);
        copyPass<Real>(SCRATCH_NAME, metafileName, fit);
        return true;
    } catch (const Refusal& refusal) {
        reason = refusal.reason;
        return false;
    }
}

template <class Real>
void scaleToFit(const std::string& metafileName) {
    announce();
    std::string reason;
    if (fitMetafile<Real>(metafileName, reason)) return;
    std::cout << "\n ERROR: Plot could not be scaled to fit screen,\n because " << reason << "\n"
              << std::flush << "\n";
    stopProgram(-1);
}

std::string metafileNameRefusal(const std::string& metafileName) {
    const std::string ownName = "; the metafile needs a file of its own.\n";
    switch (useOf(metafileName)) {
        case NameUse::plainFile:
            return "";
        case NameUse::scratchFile:
            return metafileName + " is the scratch file of the scale-to-fit pass" + ownName;
        case NameUse::folder:
            return metafileName + " is a folder" + ownName;
        case NameUse::specialFile:
            return metafileName + " is a device or a pipe, not a plain file" + ownName;
    }
    return "";
}

template void scaleToFit<float>(const std::string&);
template void scaleToFit<double>(const std::string&);
template bool fitMetafile<float>(const std::string&, std::string&);
template bool fitMetafile<double>(const std::string&, std::string&);
