// Every program and tool of the suite on its command line: --help and --version answer on
// standard output with status 0; a program given anything else names it in one line on the
// error stream, with status 2, before its dialogue starts.  The names come from the build's one
// list of programs and of tools, so that a new one is checked as soon as it is listed.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace command_line_test {

std::vector<std::string> namesIn(const std::string& list) {
    std::istringstream words(list);
    std::vector<std::string> names;
    for (std::string name; words >> name;) names.push_back(name);
    return names;
}

struct Executable {
    std::string name;
    bool program;  // one of the eight dialogues, which take no other argument
};

void PrintTo(const Executable& executable, std::ostream* out) {
    *out << executable.name;
}

std::vector<Executable> everyExecutable() {
    std::vector<Executable> all;
    for (const std::string& name : namesIn(SUITE_PROGRAMS)) all.push_back({name, true});
    for (const std::string& name : namesIn(SUITE_TOOLS)) all.push_back({name, false});
    return all;
}

class CommandLine : public testing::TestWithParam<Executable> {};

TEST_P(CommandLine, HelpVersionAndStrayArgument) {
    const Executable& executable = GetParam();
    const std::string& name = executable.name;

    // The answers a dialogue would read must stay unread.
    ProgramRun help = runProgram(name, "1 2 3\n", {}, 120, {"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ("", help.err);
    EXPECT_EQ(0u, help.out.rfind("Usage: " + name + " ", 0)) << help.out;
    EXPECT_EQ('\n', help.out.back());

    ProgramRun version = runProgram(name, "1 2 3\n", {}, 120, {"--version"});
    EXPECT_EQ(0, version.status);
    EXPECT_EQ("", version.err);
    EXPECT_EQ(name + " " SUITE_VERSION "\n", version.out);

    if (!executable.program) return;
    ProgramRun stray = runProgram(name, "1 2 3\n", {}, 120, {"answers.txt"});
    EXPECT_EQ(2, stray.status);
    EXPECT_EQ("", stray.out);
    EXPECT_EQ(
        name + ": unexpected argument \"answers.txt\"; usage: " + name + " [--help | --version]\n",
        stray.err);
    EXPECT_FALSE(stray.hasFile("output"));  // widthdemo creates its file only for a dialogue
}

INSTANTIATE_TEST_SUITE_P(Suite, CommandLine, testing::ValuesIn(everyExecutable()),
                         [](const testing::TestParamInfo<Executable>& info) {
                             return info.param.name;
                         });

// A tool's refusal of its command line is one line that starts with the tool's name, whether it
// is a usage line, an unknown option or a value that cannot be used; status 2.
TEST(ToolCommandLine, RefusalsStartWithTheToolsName) {
    const struct {
        std::vector<std::string> command;
        std::string err;
    } cases[] = {
        {{"skm2svg"}, "skm2svg: Usage: skm2svg FILE.skm [FILE.svg]\n"},
        {{"skm2svg", "--bogus"}, "skm2svg: unknown option --bogus (skm2svg --help lists them)\n"},
        {{"skm2svg", "a.skm", "-o"}, "skm2svg: unknown option -o (skm2svg --help lists them)\n"},
        {{"varfit"},
         "varfit: Usage: varfit VARIOGRAM_FILE [RMAX] [PLOT.svg] [--weights W] [--nugget V] "
         "[--fit-to R] [--cutoff C]\n"},
        {{"varfit", "--plot", "v.txt", "100"},
         "varfit: unknown option --plot (varfit --help lists them)\n"},
        {{"varfit", "v.txt", "-5"},
         "varfit: RMAX must be a positive number, as gridder prints the diagonal\n"},
        {{"verify", "a.svg", "b.svg"}, "verify: Usage: verify [PLOT.svg]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.back());
        ProgramRun run = runTool(c.command[0], {c.command.begin() + 1, c.command.end()});
        EXPECT_EQ(2, run.status);
        EXPECT_EQ(c.err, run.err);
        EXPECT_EQ("", run.out);
    }
}

}  // namespace command_line_test
