#include "tableconv_arguments.h"

#include <algorithm>
#include <iterator>
#include <string_view>

const char* const TABLECONV_USAGE =
    "Usage: tableconv gridder|factor|hypoview TABLE OUTPUT [--x C --y C --z C | --depth C] "
    "[--log] [--id C] [--columns C,C,...] [--standardize] [--separator S]";

namespace {

struct OptionRule {
    std::string_view name;
    bool takesValue;
    const char* targets;  // the targets it belongs to, as "gridder hypoview"
};

const OptionRule OPTIONS[] = {
    {"--x", true, "gridder hypoview"},
    {"--y", true, "gridder hypoview"},
    {"--z", true, "gridder hypoview"},
    {"--depth", true, "hypoview"},
    {"--log", false, "gridder"},
    {"--id", true, "factor"},
    {"--columns", true, "factor"},
    {"--standardize", false, "factor"},
    {"--separator", true, "gridder factor hypoview"},
};

// The targets' names, in the order of Target's values.
const char* const TARGET_NAMES[] = {"gridder", "factor", "hypoview"};

// "A,B,C" as its names; false when one of them is empty.
bool splitColumns(const std::string& list, std::vector<std::string>& names) {
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = list.find(',', start);
        std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
        if (name.empty()) return false;
        names.push_back(name);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

bool storeOption(std::string_view name, const std::string& value, TableconvArguments& args,
                 std::string& message) {
    if (name == "--x") args.x = value;
    if (name == "--y") args.y = value;
    if (name == "--z") args.z = value;
    if (name == "--depth") args.depth = value;
    if (name == "--id") args.id = value;
    if (name == "--log") args.log = true;
    if (name == "--standardize") args.standardize = true;
    if (name == "--columns" && !splitColumns(value, args.columns))
        message =
            "--columns needs column names or numbers separated by commas, not \"" + value + "\"";
    if (name == "--separator" && !separatorNamed(value, args.separator))
        message = "--separator needs \",\", \";\", tab or blank, not \"" + value + "\"";
    return message.empty();
}

}  // namespace

bool readTableconvArguments(int argc, const char* const argv[], TableconvArguments& args,
                            std::string& message) {
    std::vector<std::string> positional;
    std::vector<std::string_view> given;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word.size() < 2 || word[0] != '-') {
            positional.push_back(word);
            continue;
        }
        const OptionRule* rule = nullptr;
        for (const OptionRule& r : OPTIONS)
            if (r.name == word) rule = &r;
        if (rule == nullptr) {
            message = "unknown option " + word + " (tableconv --help lists them)";
            return false;
        }
        for (std::string_view seen : given)
            if (seen == rule->name) {
                message = word + " is given twice";
                return false;
            }
        given.push_back(rule->name);
        if (rule->takesValue && i + 1 >= argc) {
            message = word + " needs a value";
            return false;
        }
        if (!storeOption(rule->name, rule->takesValue ? argv[++i] : "", args, message))
            return false;
    }
    if (positional.size() != 3) {
        message = TABLECONV_USAGE;
        return false;
    }
    auto named = std::find(std::begin(TARGET_NAMES), std::end(TARGET_NAMES), positional[0]);
    if (named == std::end(TARGET_NAMES)) {
        message = "\"" + positional[0] + "\" is no target: gridder, factor or hypoview";
        return false;
    }
    args.target = static_cast<Target>(named - std::begin(TARGET_NAMES));
    args.table = positional[1];
    args.output = positional[2];
    std::string name = *named;
    for (std::string_view option : given)
        for (const OptionRule& r : OPTIONS)
            if (r.name == option && std::string_view(r.targets).find(name) == std::string::npos) {
                message = std::string(option) + " is no option of " + name;
                return false;
            }
    bool hasXY = !args.x.empty() && !args.y.empty();
    if (args.target == Target::gridder && !(hasXY && !args.z.empty())) {
        message = "gridder needs --x, --y and --z";
        return false;
    }
    if (args.target == Target::hypoview && !(hasXY && args.z.empty() != args.depth.empty())) {
        message = "hypoview needs --x, --y, and either --z or --depth";
        return false;
    }
    return true;
}
