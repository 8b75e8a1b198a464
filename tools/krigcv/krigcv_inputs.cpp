#include "krigcv_inputs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <sstream>

#include "capacities.h"
#include "coefficients.h"
#include "dataset.h"
#include "model_refusals.h"
#include "output_files.h"
#include "read_number.h"
#include "tool_files.h"

namespace {

const char* const COEFFICIENT_NAMES[] = {"curve0", "curve1", "curve2", "curve3", "vMax"};
constexpr int MODEL_NUMBERS = 5;

int lineAt(const std::string& text, std::streamoff position) {
    auto end = text.begin() + std::clamp<std::streamoff>(position, 0, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

bool isSeparator(char c) {
    return c == ',' || std::isspace(static_cast<unsigned char>(c));
}

// gridder's own refusals of typed coefficients and vMax, each at the line of the number refused
// (the whole file where the polynomial as a whole is at fault).
std::string refusedPolynomial(const PolynomialModel& m, const int lines[],
                              const std::string& name) {
    if (m.curve0 < 0)
        return krigcvMessage(name, lines[0], "curve0 is negative, which gridder refuses");
    if (m.curve0 == 0 && m.curve1 < 0)
        return krigcvMessage(name, lines[1],
                             "curve1 is negative while curve0 is 0, which gridder refuses");
    if (!staysNonNegative(m.curve0, m.curve1, m.curve2, m.curve3))
        return krigcvMessage(name, 0,
                             "the polynomial goes below zero between t = 0 and 1, which gridder "
                             "refuses");
    std::string singular = singularModelReason(m.curve0, m.curve1, m.curve2, m.curve3);
    if (!singular.empty()) return krigcvMessage(name, 0, singular);
    std::string vMax = vMaxReason(m.vMax);
    if (!vMax.empty()) return krigcvMessage(name, lines[4], vMax);
    return "";
}

}  // namespace

std::string krigcvMessage(const std::string& file, int line, const std::string& what) {
    std::string text = "krigcv: ";
    if (!file.empty()) text += file + (line > 0 ? ":" + std::to_string(line) : "") + ": ";
    return text + what;
}

ArgumentsStatus readKrigcvArguments(int argc, const char* const argv[], KrigcvArguments& args,
                                    std::string& message) {
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "--version") {
            (arg == "--help" ? args.help : args.version) = true;
            return ArgumentsStatus::answered;
        } else if (arg == "--residuals" || arg == "--plot") {
            if (i + 1 == argc) {
                message = krigcvMessage("", 0, arg + " needs a file name");
                return ArgumentsStatus::refused;
            }
            (arg == "--residuals" ? args.residualsFile : args.plotFile) = argv[++i];
        } else {
            message = krigcvMessage("", 0, "unknown option " + arg);
            return ArgumentsStatus::refused;
        }
    }
    if (positional.size() < 3) {
        message = krigcvMessage("", 0, "needs DATA_FILE CUTOFF POLYNOMIAL_FILE... (see --help)");
        return ArgumentsStatus::refused;
    }
    args.dataFile = positional[0];
    std::istringstream cutoff(positional[1]);
    if (!readReal(cutoff, args.cutoff) || cutoff.peek() != EOF) {
        message = krigcvMessage(
            "", 0, "CUTOFF must be a number, as typed into gridder's second run: " + positional[1]);
        return ArgumentsStatus::refused;
    }
    args.polynomialFiles.assign(positional.begin() + 2, positional.end());
    return ArgumentsStatus::run;
}

std::string outputOverInput(const KrigcvArguments& args) {
    std::vector<std::string> inputs = args.polynomialFiles;
    inputs.push_back(args.dataFile);
    const std::string* outputs[] = {&args.residualsFile, &args.plotFile};
    for (const std::string* output : outputs) {
        if (output->empty()) continue;
        for (const std::string& input : inputs)
            if (namesOneFile(*output, input))
                return krigcvMessage("", 0, outputOverInputMessage(*output));
    }
    if (!args.residualsFile.empty() && namesOneFile(args.residualsFile, args.plotFile))
        return krigcvMessage(
            "", 0, "the residuals and the plot need two files, not both " + args.plotFile);
    return "";
}

bool readPolynomialFile(std::istream& in, const std::string& name, PolynomialModel& model,
                        std::string& message) {
    float value[MODEL_NUMBERS];
    int lines[MODEL_NUMBERS];
    int count = 0, lineNumber = 0;
    std::string text;
    while (std::getline(in, text)) {
        ++lineNumber;
        std::istringstream line(text);
        for (;;) {
            line >> std::ws;
            if (line.eof()) break;
            float number;
            if (!readReal(line, number)) {
                line.clear();
                std::string word;
                readWord(line, word);
                message = krigcvMessage(name, lineNumber, "not a number: " + word);
                return false;
            }
            if (count == MODEL_NUMBERS) {
                message = krigcvMessage(name, lineNumber,
                                        "more than five numbers; a model is curve0, curve1, "
                                        "curve2, curve3 and vMax, as varfit prints them");
                return false;
            }
            lines[count] = lineNumber;
            value[count++] = number;
        }
    }
    if (count < MODEL_NUMBERS) {
        message = krigcvMessage(name, lineNumber,
                                "ends before " + std::string(COEFFICIENT_NAMES[count]) +
                                    "; a model is curve0, curve1, curve2, curve3 and vMax, as "
                                    "varfit prints them");
        return false;
    }
    model = {value[0], value[1], value[2], value[3], value[4]};
    message = refusedPolynomial(model, lines, name);
    return message.empty();
}

bool readDataFile(std::istream& in, const std::string& name, float x[], float y[], float z[],
                  int& n, DataExtent& extent, std::string& note, std::string& message) {
    // Read whole, so that the position where reading stopped gives its line.
    std::string text(std::istreambuf_iterator<char>(in), {});
    std::istringstream stream(text);
    n = 0;
    DataReadResult result = readRecords(stream, x, y, z, n);
    stream.clear();
    std::streamoff stop = stream.tellg();
    if (result.status == DataRead::notANumber) {
        message = krigcvMessage(
            name, lineAt(text, stop),
            "record " + std::to_string(result.record) + " holds text that is not a number");
        return false;
    }
    if (result.status == DataRead::capacityReached) {
        auto rest = std::find_if_not(text.begin() + stop, text.end(), isSeparator);
        if (rest != text.end())
            note = krigcvMessage(name, lineAt(text, rest - text.begin()),
                                 "more than " + std::to_string(MAX_DATA) + " data; the first " +
                                     std::to_string(MAX_DATA) +
                                     " are judged, the ones gridder reads; split the file to "
                                     "judge the rest");
    }
    if (n < MIN_NEIGHBORS + 1) {
        message = krigcvMessage(name, 0,
                                std::to_string(n) +
                                    " data; each one left out must be kriged from "
                                    "at least " +
                                    std::to_string(MIN_NEIGHBORS) + " others");
        return false;
    }
    extent = computeExtent(x, y, n);
    if (extent.rMax == 0) {
        message = krigcvMessage(name, 0,
                                "all data lie at one position; kriging needs them spread over "
                                "the map");
        return false;
    }
    if (!std::isfinite(extent.rMax)) {
        message =
            krigcvMessage(name, 0, "the diagonal of the data exceeds the single-precision range");
        return false;
    }
    return true;
}
