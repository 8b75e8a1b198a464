// --help and --version for every program and tool.  Costs nothing beyond looking at each
// argument once; the texts are the callers'.
#include "command_line.h"

#include <string_view>

namespace {

constexpr std::string_view HELP = "--help";
constexpr std::string_view VERSION = "--version";

std::optional<int> answerOne(std::string_view argument, std::string_view name,
                             std::string_view help, std::ostream& out) {
    if (argument == HELP) {
        out << help;
        out.flush();
        return 0;
    }
    if (argument == VERSION) {
        out << versionLine(name) << "\n";
        out.flush();
        return 0;
    }
    return std::nullopt;
}

}  // namespace

std::string versionLine(std::string_view name) {
    return std::string(name) + " " + SUITE_VERSION;
}

std::optional<int> answerProgramArguments(int argc, const char* const* argv, std::string_view name,
                                          std::string_view help, std::ostream& out,
                                          std::ostream& err) {
    if (argc <= 1) return std::nullopt;
    if (argc == 2) {
        if (auto status = answerOne(argv[1], name, help, out)) return status;
    }
    // The first argument that is not a lone --help or --version is the one at fault.
    std::string_view stray = argv[1];
    if (argc > 2 && (stray == HELP || stray == VERSION)) stray = argv[2];
    err << name << ": unexpected argument \"" << stray << "\"; usage: " << name
        << " [--help | --version]\n";
    err.flush();
    return 2;
}

std::optional<int> answerToolArguments(int argc, const char* const* argv, std::string_view name,
                                       std::string_view help, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == HELP || argument == VERSION) return answerOne(argument, name, help, out);
    }
    return std::nullopt;
}
