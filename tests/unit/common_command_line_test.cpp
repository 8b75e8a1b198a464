#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"

namespace {

const std::string HELP_TEXT = "Usage: prog [--help | --version]\nDoes things.\n";
const std::string VERSION_TEXT = "prog " SUITE_VERSION "\n";
const std::string USAGE_END = "; usage: prog [--help | --version]\n";

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer answerFor(bool program, std::vector<const char*> args) {
    args.insert(args.begin(), "prog");
    std::ostringstream out, err;
    Answer answer;
    answer.status =
        program ? answerProgramArguments(int(args.size()), args.data(), "prog", HELP_TEXT, out, err)
                : answerToolArguments(int(args.size()), args.data(), "prog", HELP_TEXT, out);
    answer.out = out.str();
    answer.err = err.str();
    return answer;
}

struct Case {
    bool program;
    std::vector<const char*> args;
    std::optional<int> status;
    std::string out;
    std::string err;
};

TEST(CommandLine, ProgramsAndTools) {
    const Case cases[] = {
        // The eight programs: no argument runs the dialogue; only a lone --help or --version
        // is answered; the first other argument is named.
        {true, {}, std::nullopt, "", ""},
        {true, {"--help"}, 0, HELP_TEXT, ""},
        {true, {"--version"}, 0, VERSION_TEXT, ""},
        {true, {"answers.txt"}, 2, "", "prog: unexpected argument \"answers.txt\"" + USAGE_END},
        {true, {"-h"}, 2, "", "prog: unexpected argument \"-h\"" + USAGE_END},
        {true, {"--help", "x"}, 2, "", "prog: unexpected argument \"x\"" + USAGE_END},
        {true, {"--version", "--help"}, 2, "", "prog: unexpected argument \"--help\"" + USAGE_END},
        {true, {"x", "--help"}, 2, "", "prog: unexpected argument \"x\"" + USAGE_END},
        {true, {""}, 2, "", "prog: unexpected argument \"\"" + USAGE_END},
        // Tools: --help or --version anywhere is answered, the first one counts; anything else
        // is left to the tool.
        {false, {}, std::nullopt, "", ""},
        {false, {"in.skm", "out.svg"}, std::nullopt, "", ""},
        {false, {"in.skm", "--help"}, 0, HELP_TEXT, ""},
        {false, {"--version", "--help"}, 0, VERSION_TEXT, ""},
        {false, {"--helpme"}, std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        std::string label = c.program ? "program" : "tool";
        for (const char* arg : c.args) label += std::string(" '") + arg + "'";
        SCOPED_TRACE(label);
        Answer answer = answerFor(c.program, c.args);
        EXPECT_EQ(c.status, answer.status);
        EXPECT_EQ(c.out, answer.out);
        EXPECT_EQ(c.err, answer.err);
    }
}

}  // namespace
