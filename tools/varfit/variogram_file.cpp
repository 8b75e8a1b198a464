#include "variogram_file.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <sstream>

#include "notation.h"
#include "read_number.h"

namespace {

constexpr int FIRST_BINS = 20, LAST_BINS = 200;  // gridder's bin counts
constexpr long MOST_PAIRS = 4000L * 3999 / 2;    // what gridder's 4000 data can form
constexpr size_t QUOTED_LENGTH = 24;             // a refused item is shown up to this length

const char* const TITLE = "Variogram (variance histogram):";
const char* const HEADING_WORDS[] = {"Bin", "#", "Min.", "r", "Max.", "r", "num.Pairs", "Variance"};

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    for (char ch : line) {
        // White space as the number reader skips it, so that a field never holds any.
        if (std::isspace(static_cast<unsigned char>(ch))) {
            if (!field.empty()) fields.push_back(field);
            field.clear();
        } else {
            field += ch;
        }
    }
    if (!field.empty()) fields.push_back(field);
    return fields;
}

// A refused field as the message shows it: cut to a readable length, control characters as '?'
// so that the message stays one line of text.
std::string quoted(const std::string& text) {
    std::string shown = text.substr(0, QUOTED_LENGTH);
    for (char& ch : shown)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f) ch = '?';
    return "\"" + shown + (text.size() > QUOTED_LENGTH ? "...\"" : "\"");
}

std::string general7(double value) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, value, 7);
    return text;
}

bool isWholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 18) return false;
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

// A real that gridder can have written: the whole field one number, within single precision.
// "" when it is, else what is wrong with it.
std::string readField(const char* name, const std::string& text, double& value) {
    std::istringstream in(text);
    if (!readReal(in, value) || in.peek() != EOF)
        return std::string(name) + " " + quoted(text) + " is not a number";
    if (std::fabs(value) > FLT_MAX)
        return std::string(name) + " " + quoted(text) +
               " is beyond the single precision of gridder";
    return "";
}

// One bin line against the bins before it; "" when it could be gridder's.
std::string checkBinLine(const std::vector<std::string>& f, const std::vector<VariogramBin>& bins,
                         long& pairsSoFar, VariogramBin& bin) {
    if (f.size() != 5)
        return std::to_string(f.size()) + (f.size() == 1 ? " field" : " fields") +
               " where a bin line has 5: number, Min. r, Max. r, pairs, variance";
    size_t number = bins.size() + 1;
    if (!isWholeNumber(f[0])) return "bin number " + quoted(f[0]) + " is not a whole number";
    if (std::stoll(f[0]) != static_cast<long long>(number))
        return "bin number " + f[0] + " where " + std::to_string(number) + " was expected";
    if (number > LAST_BINS) return "more than 200 bins; gridder writes 20 to 200";
    std::string what = readField("Min. r", f[1], bin.minR);
    if (what.empty()) what = readField("Max. r", f[2], bin.maxR);
    if (!what.empty()) return what;
    if (!isWholeNumber(f[3])) return "pair count " + quoted(f[3]) + " is not a whole number";
    what = readField("variance", f[4], bin.variance);
    if (!what.empty()) return what;
    if (number == 1) {
        if (bin.minR != 0) return "bin 1 starts at " + f[1] + "; gridder's bins start at 0";
        if (!(bin.maxR > 0)) return "bin 1 ends at " + f[2] + "; its width must be positive";
    } else {
        double width = bins[0].maxR, k = static_cast<double>(number);
        double slack = DISTANCE_AGREEMENT * k * width;
        if (std::fabs(bin.minR - (k - 1) * width) > slack ||
            std::fabs(bin.maxR - k * width) > slack)
            return "Min. r " + f[1] + " and Max. r " + f[2] + " are not bin " +
                   std::to_string(number) + "'s, " + std::to_string(number - 1) + " and " +
                   std::to_string(number) + " times the width " + general7(width) + " of bin 1";
    }
    long long pairs = std::stoll(f[3]);
    pairsSoFar += static_cast<long>(std::min<long long>(pairs, MOST_PAIRS + 1));
    if (pairsSoFar > MOST_PAIRS)
        return "the pair counts add up to more than the 7998000 pairs of gridder's 4000 data";
    bin.pairs = static_cast<long>(pairs);
    if (bin.variance < 0)
        return "variance " + f[4] + " is negative; a mean squared difference is not";
    if (bin.pairs == 0 && bin.variance != 0)
        return "a bin without pairs has variance " + f[4] + "; gridder writes 0 there";
    return "";
}

}  // namespace

bool readVariogramFile(const std::string& text, VariogramFile& file, VariogramFileFault& fault) {
    file = VariogramFile{};
    fault = VariogramFileFault{};
    std::istringstream in(text);
    std::string line;
    int number = 0;
    long pairsSoFar = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> f = fieldsOf(line);
        if (number == 1) {
            std::string title;
            for (const std::string& word : f) title += (title.empty() ? "" : " ") + word;
            if (title != TITLE) {
                fault = {1, std::string("not the title of gridder's variogram file, \" ") + TITLE +
                                "\""};
                return false;
            }
            continue;
        }
        if (number == 2) {
            bool heading = f.size() == std::size(HEADING_WORDS);
            for (size_t i = 0; heading && i < f.size(); ++i) heading = f[i] == HEADING_WORDS[i];
            if (!heading) {
                fault = {2,
                         "not the heading of gridder's variogram file (Bin #, Min. r, Max. r, "
                         "num.Pairs, Variance)"};
                return false;
            }
            continue;
        }
        if (f.empty()) continue;  // an empty line carries nothing
        VariogramBin bin;
        std::string what = checkBinLine(f, file.bins, pairsSoFar, bin);
        if (!what.empty()) {
            fault = {number, what};
            return false;
        }
        file.bins.push_back(bin);
    }
    if (number == 0) {
        fault = {0, std::string("is empty; gridder's variogram file begins with the title \" ") +
                        TITLE + "\""};
        return false;
    }
    if (number == 1) {
        fault = {0, "ends after its title, without the heading and the bin lines"};
        return false;
    }
    int count = static_cast<int>(file.bins.size());
    if (count < FIRST_BINS) {
        fault = {0, count == 0
                        ? "has no bin lines after its heading"
                        : "holds " + std::to_string(count) + (count == 1 ? " bin" : " bins") +
                              "; gridder writes 20 to 200"};
        return false;
    }
    file.rMax = file.bins.back().maxR;
    return true;
}

bool readVariogramFile(std::istream& in, std::vector<VariogramBin>& bins, std::string& error) {
    std::ostringstream text;
    text << in.rdbuf();
    VariogramFile file;
    VariogramFileFault fault;
    bool ok = readVariogramFile(text.str(), file, fault);
    bins = file.bins;
    if (!ok)
        error =
            fault.line > 0 ? "line " + std::to_string(fault.line) + ": " + fault.what : fault.what;
    return ok;
}
