// --help and --version for every program and tool.  Costs nothing beyond looking at each
// argument once; the texts are the callers'.
#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view HELP = "--help";
constexpr std::string_view VERSION = "--version";

// "name=installed,name=installed": the commands whose installed name differs from their own,
// from the one list the build keeps (SUITE_INSTALLED_AS in the top CMakeLists.txt).
constexpr std::string_view INSTALLED_AS = SUITE_INSTALLED_AS;

std::optional<int> answerOne(std::string_view argument, std::string_view name,
                             std::string_view help, std::ostream& out) {
    if (argument == HELP) {
        out << help;
        if (std::string installed = installedName(name); installed != name)
            out << "Installed as " << installed << ": the base system has a " << name
                << " command of its own.\n";
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

std::string installedName(std::string_view name) {
    for (std::string_view rest = INSTALLED_AS; !rest.empty();) {
        std::string_view entry = rest.substr(0, rest.find(','));
        rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        std::size_t equals = entry.find('=');
        if (equals != std::string_view::npos && entry.substr(0, equals) == name)
            return std::string(entry.substr(equals + 1));
    }
    return std::string(name);
}

std::optional<std::string> unknownOption(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        // "-5" and "-.5" are numbers, "-" alone a name.
        bool dashed = word.size() > 1 && word[0] == '-';
        if (dashed && !std::isdigit(static_cast<unsigned char>(word[1])) && word[1] != '.')
            return std::string(word);
    }
    return std::nullopt;
}

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
