#include "scale_to_fit.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>

#include "console.h"
#include "metafile.h"
#include "notation.h"
#include "output_files.h"
#include "read_number.h"

namespace {

// The plot rectangle.  Both sides are single-precision constants in either pass, so the double
// pass also fits a width of 9.899999618530273.
constexpr float PLOT_WIDTH = 9.9f;
constexpr float PLOT_HEIGHT = 7.5f;
constexpr double CENTRE_FACTOR = 0.5;
constexpr double EXTENT_START = 9.9e29;
constexpr const char* SCRATCH_NAME = "temporary.tmp";
constexpr std::size_t TEXT_LINE_LIMIT = 79;
// The fixed-width formatter writes a '!' fill for any magnitude whose logarithm exceeds this; such
// a number could not be read back from the scratch file.
constexpr double FIELD_OVERFLOW_LOG = 38.5;

// Every refusal has the same shape, so the user sees one kind of message whatever went wrong.
template <class WriteReason>
[[noreturn]] void refuse(WriteReason writeReason) {
    std::cout << "\n ERROR: Plot could not be scaled to fit screen,\n because ";
    writeReason();
    std::cout << "\n" << std::flush << "\n";
    stopProgram(-1);
}

void announce() {
    std::cout << "\nScaling plot to fit in a rectangle of " << std::fixed << std::setprecision(4)
              << num(PLOT_WIDTH) << " by " << num(PLOT_HEIGHT) << " units.\n"
              << "Graphics metafile must be copied twice; be patient.....\n"
              << std::flush;
}

// Reads one metafile and writes its L, P and T commands to another, letting the action see (and
// change) every coordinate pair; anything else in the input is dropped.
template <class Real, class Action>
class CommandCopier {
  public:
    CommandCopier(std::istream& in, const std::string& inName, std::ostream& out, Action& action)
        : in_(in), inName_(inName), out_(out), action_(action) {}

    void copyAll() {
        for (int c = nextNonBlank(); c != EOF_CHAR; c = nextNonBlank()) {
            commandLine_ = line_;
            command_ = static_cast<char>(c);
            if (c == 'L')
                copyLine();
            else if (c == 'P')
                copyPoint();
            else if (c == 'T')
                copyText();
        }
    }

  private:
    static constexpr int EOF_CHAR = std::char_traits<char>::eof();

    int nextNonBlank() {
        for (;;) {
            int c = in_.get();
            if (c == EOF_CHAR) return c;
            if (c == '\n') ++line_;
            if (!std::isspace(c)) return c;
        }
    }

    void skipBlanks() {
        for (int c = in_.peek(); c != EOF_CHAR && std::isspace(c); c = in_.peek()) {
            if (c == '\n') ++line_;
            in_.get();
        }
    }

    Real readCoordinate() {
        skipBlanks();
        Real value{};
        if (!readReal(in_, value)) refuseUnreadable();
        if (value != 0 && std::log10(std::fabs(double(value))) > FIELD_OVERFLOW_LOG) {
            refuse([&] {
                std::cout << "the " << command_ << " command on line " << commandLine_ << " of "
                          << inName_ << " holds a number too large to be plotted.";
            });
        }
        return value;
    }

    [[noreturn]] void refuseUnreadable() {
        in_.clear();
        std::string word;
        if (!readWord(in_, word, 20)) {
            refuse([&] {
                std::cout << "the " << command_ << " command on line " << commandLine_ << " of "
                          << inName_ << " is cut short by the end of the file.";
            });
        }
        refuse([&] {
            std::cout << "a number of the " << command_ << " command on line " << commandLine_
                      << " of " << inName_ << " cannot be read: " << word;
        });
    }

    void copyLine() {
        Real x1 = readCoordinate(), y1 = readCoordinate();
        Real x2 = readCoordinate(), y2 = readCoordinate();
        action_.line(x1, y1, x2, y2);
        writeLineCommand(out_, x1, y1, x2, y2);
    }

    void copyPoint() {
        Real x = readCoordinate(), y = readCoordinate();
        action_.point(x, y);
        writePointCommand(out_, x, y);
    }

    // The rest of the T line and the whole next line, as they stand (each cut to 79 characters).
    void copyText() {
        out_ << 'T';
        copyTextLine();
        copyTextLine();
    }

    void copyTextLine() {
        std::size_t kept = 0;
        for (int c = in_.get(); c != EOF_CHAR && c != '\n'; c = in_.get())
            if (kept++ < TEXT_LINE_LIMIT) out_.put(static_cast<char>(c));
        ++line_;
        out_ << '\n';
    }

    std::istream& in_;
    const std::string& inName_;
    std::ostream& out_;
    Action& action_;
    int line_ = 1;
    int commandLine_ = 1;
    char command_ = ' ';
};

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
    if (!(e.xmax > e.xmin))
        refuse([&] { std::cout << "all X-values are identical: " << num(e.xmin); });
    Real sx = Real(double(PLOT_WIDTH) / (double(e.xmax) - double(e.xmin)));
    if (!(e.ymax > e.ymin))
        refuse([&] { std::cout << "all Y-values are identical: " << num(e.ymin); });
    Real sy = Real(double(PLOT_HEIGHT) / (double(e.ymax) - double(e.ymin)));
    Fit<Real> fit;
    fit.s = minOf(sx, sy);
    fit.ox = Real(CENTRE_FACTOR * double(PLOT_WIDTH) - double(fit.s) * double(cx));
    fit.oy = Real(CENTRE_FACTOR * double(PLOT_HEIGHT) - double(fit.s) * double(cy));
    // A drawing only a few smallest numbers across would need an infinite scale.
    if (!std::isfinite(fit.s) || !std::isfinite(fit.ox) || !std::isfinite(fit.oy))
        refuse([] { std::cout << "the drawing is too small to be scaled."; });
    return fit;
}

void openForReading(std::ifstream& in, const std::string& name) {
    in.open(name);
    if (!in.is_open()) refuse([&] { std::cout << "file " << name << " could not be opened."; });
}

void createForWriting(OutputFile& out, const std::string& name) {
    if (!out.create(name, false))
        refuse([&] { std::cout << "file " << name << " could not be created."; });
}

void closeWritten(OutputFile& out, const std::string& name) {
    out.close();
    if (out.fail()) refuse([&] { std::cout << "file " << name << " could not be written."; });
}

// One copy of the whole file from inName to outName through the action.
template <class Real, class Action>
void copyPass(const std::string& inName, const std::string& outName, Action& action) {
    std::ifstream in;
    openForReading(in, inName);
    OutputFile out;
    createForWriting(out, outName);
    CommandCopier<Real, Action>(in, inName, out, action).copyAll();
    closeWritten(out, outName);
}

}  // namespace

template <class Real>
void scaleToFit(const std::string& metafileName) {
    announce();
    // The metafile is only read until the scratch copy is complete and every number in it is
    // known to be readable; only then is it replaced.
    Extent<Real> extent;
    copyPass<Real>(metafileName, SCRATCH_NAME, extent);
    Fit<Real> fit = fitToRectangle(extent);
    copyPass<Real>(SCRATCH_NAME, metafileName, fit);
}

template void scaleToFit<float>(const std::string&);
template void scaleToFit<double>(const std::string&);
