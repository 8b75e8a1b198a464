#include "varfit_arguments.h"

#include <cctype>
#include <cmath>
#include <sstream>
#include <string_view>

#include "notation.h"
#include "read_number.h"
#include "variogram_file.h"

const char* const VARFIT_USAGE =
    "Usage: varfit VARIOGRAM_FILE [RMAX] [PLOT.svg] [--weights W] [--nugget V] [--fit-to R] "
    "[--cutoff C]";

namespace {

// The whole argument one finite number.
bool readNumber(const std::string& text, double& value) {
    std::istringstream in(text);
    return readReal(in, value) && in.peek() == EOF && std::isfinite(value);
}

// One of the four options with its value; false with the message when the value cannot be used.
bool readOption(const std::string& name, const std::string& value, FitOptions& fit,
                std::string& message) {
    double number = 0;
    if (name == "--weights") {
        if (value == "pairs/r^2")
            fit.weights = BinWeights::pairsOverSquaredDistance;
        else if (value == "pairs")
            fit.weights = BinWeights::pairs;
        else if (value == "equal")
            fit.weights = BinWeights::equal;
        else
            message = "--weights needs pairs/r^2, pairs or equal, not " + value;
    } else if (name == "--nugget") {
        if (!readNumber(value, number) || number < 0)
            message = "--nugget needs a number of 0 or more, not " + value;
        fit.nuggetFixed = true;
        fit.nugget = number;
    } else {  // --fit-to or --cutoff
        if (!readNumber(value, number) || !(number > 0))
            message = name + " needs a positive distance, not " + value;
        (name == "--fit-to" ? fit.fitTo : fit.cutoff) = number;
    }
    return message.empty();
}

}  // namespace

bool readVarfitArguments(int argc, const char* const argv[], VarfitArguments& args,
                         std::string& message) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        // A word that starts with "-" is an option, unless it is a (negative) number for RMAX.
        bool option = word.size() > 1 && word[0] == '-' &&
                      !(std::isdigit(static_cast<unsigned char>(word[1])) || word[1] == '.');
        if (option) {
            if (word != "--weights" && word != "--nugget" && word != "--fit-to" &&
                word != "--cutoff") {
                message = "unknown option " + word + " (varfit --help lists them)";
                return false;
            }
            if (i + 1 >= argc) {
                message = word + " needs a value";
                return false;
            }
            if (!readOption(word, argv[++i], args.fit, message)) return false;
        } else {
            positional.push_back(word);
        }
    }
    double number = 0;
    bool secondIsNumber = positional.size() >= 2 && readNumber(positional[1], number);
    if (positional.empty() || positional.size() > 3 ||
        (positional.size() == 3 && !secondIsNumber)) {
        message = VARFIT_USAGE;
        return false;
    }
    args.variogramFile = positional[0];
    if (secondIsNumber) {
        if (!(number > 0)) {
            message = "RMAX must be a positive number, as gridder prints the diagonal";
            return false;
        }
        args.rMax = number;
    } else if (positional.size() == 2) {
        const std::string& name = positional[1];
        if (name.size() < 5 || name.compare(name.size() - 4, 4, ".svg") != 0) {
            message =
                "\"" + name + "\" is neither RMAX (a number) nor a plot (a name ending in .svg)";
            return false;
        }
        args.plotFile = name;
    }
    if (positional.size() == 3) args.plotFile = positional[2];
    return true;
}

std::string rMaxDisagreement(const VarfitArguments& args, double fileRMax) {
    if (args.rMax == 0 || std::fabs(args.rMax - fileRMax) <= DISTANCE_AGREEMENT * fileRMax)
        return "";
    char typed[NOTATION_BUFFER], held[NOTATION_BUFFER];
    formatGeneral(typed, args.rMax, 7);
    formatGeneral(held, fileRMax, 7);
    return std::string("RMAX ") + typed + " disagrees with the diagonal " + held + " of " +
           args.variogramFile + " (its last bin's Max. r); leave RMAX out to use the file's";
}
