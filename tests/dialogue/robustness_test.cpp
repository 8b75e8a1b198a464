// Every program against bad answers.  Each program's dialogue is walked with a valid script, and
// at every question in turn the walk is spoiled in one way: the input ends there, a word that is
// no number comes where a number is asked, a 300-character word comes where a word is asked.
// Whatever happens, the program must end by itself, never by a signal, with the status the
// conventions give (0 for a normal end, 1 with "Input ended." for the end of input, 255 for a
// fatal stop), and every file it leaves must be readable text.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "run_program.h"

namespace robustness_test {

namespace fs = std::filesystem;

enum class Ask { number, word, line };

// What a 300-character word at this question leads to.
struct LongWord {
    enum Kind { sameAsValid, cutName, status } kind = sameAsValid;
    int exitStatus = 0;
};

// The word means what the valid answer means (a "no", a file that is not there): the run is the
// valid one.
const LongWord SAME_RUN{LongWord::sameAsValid, 0};
// A file name cut to 79 characters: a file of that name is written and the run ends normally.
const LongWord CUT_NAME{LongWord::cutName, 0};
LongWord endsWith(int exitStatus) {
    return {LongWord::status, exitStatus};
}

struct Step {
    Ask ask;
    std::string answer;
    LongWord longWord{};  // for word and line questions
};

Step number(const std::string& answer) {
    return {Ask::number, answer, {}};
}
Step word(const std::string& answer, LongWord outcome) {
    return {Ask::word, answer, outcome};
}
Step line(LongWord outcome) {
    return {Ask::line, "", outcome};
}

using Files = std::map<std::string, std::string>;

struct Walk {
    std::string program;
    Files files;
    std::vector<Step> steps;
};

const std::string NON_NUMBER = "nonsense";
const std::string LONG_WORD(300, 'x');
const std::string CUT_WORD(79, 'x');

// The speed programs run 10^9 operations, which under the sanitizers takes far longer than any
// dialogue; a run that takes this long has hung.
constexpr int TIME_LIMIT_SECONDS = 600;

std::string typed(const std::vector<Step>& steps, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += steps[i].answer + "\n";
    return text;
}

// Every file left in the run's folder, by name.
Files filesOf(const ProgramRun& run) {
    Files files;
    for (const auto& entry : fs::directory_iterator(run.dir / "work"))
        files[entry.path().filename().string()] = run.file(entry.path().filename().string());
    return files;
}

// Printable characters in complete lines: no NUL or other control byte, a line end last.
bool isReadableText(const std::string& text) {
    if (!text.empty() && text.back() != '\n') return false;
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\n' && c != '\t' && c != '\r') || u == 0x7f) return false;
    }
    return true;
}

bool endsWithInputEnded(const std::string& err) {
    const std::string line = "Input ended.\n";
    return err.size() >= line.size() &&
           err.compare(err.size() - line.size(), line.size(), line) == 0;
}

// The checks every run must pass, whatever it was given.
void checkConventions(const ProgramRun& run) {
    ASSERT_NE(run.status, ProgramRun::TIMED_OUT) << "the program hung";
    ASSERT_GE(run.status, 0) << "the program died by signal " << -run.status << "\n" << run.err;
    EXPECT_TRUE(run.status == 0 || run.status == 1 || run.status == 255) << "status " << run.status;
    EXPECT_EQ(run.status == 1, endsWithInputEnded(run.err)) << run.err;
    for (const auto& [name, contents] : filesOf(run))
        EXPECT_TRUE(isReadableText(contents)) << "file " << name << " is not readable text";
}

ProgramRun runWalk(const Walk& walk, const std::string& input) {
    return runProgram(walk.program, input, walk.files, TIME_LIMIT_SECONDS);
}

void checkEndOfInput(const Walk& walk, std::size_t at) {
    SCOPED_TRACE("input ends at question " + std::to_string(at + 1));
    ProgramRun run = runWalk(walk, typed(walk.steps, 0, at));
    checkConventions(run);
    EXPECT_EQ(run.status, 1);
}

// The word is passed over and the same question asked again: the run is the valid one.
void checkNonNumber(const Walk& walk, std::size_t at, const Files& validFiles) {
    SCOPED_TRACE("a word that is no number at question " + std::to_string(at + 1));
    std::string input =
        typed(walk.steps, 0, at) + NON_NUMBER + "\n" + typed(walk.steps, at, walk.steps.size());
    ProgramRun run = runWalk(walk, input);
    checkConventions(run);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(filesOf(run), validFiles);
}

void checkLongWord(const Walk& walk, std::size_t at, const Files& validFiles) {
    SCOPED_TRACE("a 300-character word at question " + std::to_string(at + 1));
    std::string input =
        typed(walk.steps, 0, at) + LONG_WORD + "\n" + typed(walk.steps, at + 1, walk.steps.size());
    ProgramRun run = runWalk(walk, input);
    checkConventions(run);
    const LongWord& expected = walk.steps[at].longWord;
    switch (expected.kind) {
        case LongWord::sameAsValid:
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(filesOf(run), validFiles);
            break;
        case LongWord::cutName:
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(filesOf(run).count(CUT_WORD), 1u)
                << "no file named by its first 79 characters";
            break;
        case LongWord::status:
            EXPECT_EQ(run.status, expected.exitStatus);
            break;
    }
}

void checkWalk(const Walk& walk) {
    ProgramRun valid = runWalk(walk, typed(walk.steps, 0, walk.steps.size()));
    {
        SCOPED_TRACE("the valid script");
        checkConventions(valid);
        ASSERT_EQ(valid.status, 0) << valid.out << valid.err;
    }
    const Files validFiles = filesOf(valid);
    for (std::size_t at = 0; at < walk.steps.size(); ++at) {
        checkEndOfInput(walk, at);
        if (walk.steps[at].ask == Ask::number)
            checkNonNumber(walk, at, validFiles);
        else
            checkLongWord(walk, at, validFiles);
    }
}

// Scattered map data for gridder: a smooth surface sampled at points of a fixed scatter.
std::string gridderData() {
    std::string text;
    unsigned state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % 1000);
    };
    for (int i = 0; i < 40; ++i) {
        int x = next(), y = next() * 8 / 10;
        text += std::to_string(x) + " " + std::to_string(y) + " " +
                std::to_string(200 + (x + 2 * y) / 10) + "\n";
    }
    return text;
}

const std::string TOPOGRAPHY =
    "0 25 100\n0 25 100\n"
    "8 9 10 11 12\n9 10 11 12 13\n10 11 12 13 14\n11 12 13 14 15\n12 13 14 15 16\n";
const std::string HYPOCENTERS =
    "10.0 20.6 -5.0\n40.5 56.7 -45.2\n71.0 42.8 -28.1\n90.3 10.1 -60.0\n";

std::vector<Step> hypoviewOpening(LongWord rescaleLong, const std::string& rescale) {
    return {
        // A grid that cannot be opened asks whether to go on; "quakes.txt" is no yes.
        word("topo.grd", endsWith(255)),
        // Likewise for the hypocentres; "view.skm" is no yes.
        word("quakes.txt", endsWith(255)),
        word("view.skm", CUT_NAME),
        word(rescale, rescaleLong),
    };
}

std::vector<Walk> hypoviewWalks() {
    const Files files{{"topo.grd", TOPOGRAPHY}, {"quakes.txt", HYPOCENTERS}};
    std::vector<Step> plain = hypoviewOpening(SAME_RUN, "n");
    std::vector<Step> rescaled = hypoviewOpening(endsWith(0), "y");
    rescaled.push_back(number("2"));
    for (auto* steps : {&plain, &rescaled})
        for (const char* coordinate : {"-150", "-200", "120"}) steps->push_back(number(coordinate));
    // Without the rescaling, 2 -150 -200 is the viewpoint, outside the data, and the run ends.
    std::vector<Step> hypocentersOnly{
        word("missing.grd", SAME_RUN),
        word("y", endsWith(255)),
        // Cannot be opened either; "view.skm" is no yes, and without any data the run stops.
        word("quakes.txt", endsWith(255)),
        word("view.skm", CUT_NAME),
    };
    for (const char* coordinate : {"-150", "-200", "120"})
        hypocentersOnly.push_back(number(coordinate));
    return {{"hypoview", files, plain},
            {"hypoview", files, rescaled},
            {"hypoview", files, hypocentersOnly}};
}

std::vector<Walk> orbitsWalks() {
    std::vector<Step> steps{number("1"), number("3")};
    for (const char* value : {"1",      "0", "0", "0",    "0", "0",      "0",  //
                              "0.001",  "1", "0", "0",    "0", "1",      "0",  //
                              "0.0005", "2", "0", "0.05", "0", "0.7071", "0.01"})
        steps.push_back(number(value));
    for (const char* value : {"12.6", "0.05", "2"}) steps.push_back(number(value));
    steps.push_back(word("no", SAME_RUN));
    // Another body is still shown, so the metafile is asked for all the same.
    steps.push_back(word("yes", endsWith(0)));
    steps.push_back(word("yes", endsWith(0)));
    steps.push_back(word("planets.skm", CUT_NAME));
    return {{"orbits", {}, steps}};
}

std::vector<Walk> gridderWalks() {
    const Files files{{"points.txt", gridderData()}};
    std::vector<Step> variogram{
        word("points.txt", endsWith(255)),  // no such file: a fatal stop
        word("no", SAME_RUN),
        number("40"),
        word("variogram.txt", CUT_NAME),
    };
    std::vector<Step> kriging{word("points.txt", endsWith(255)),
                              // The first run instead: the answers up to 5000 are no bin count
                              // from 20 to 200, 200 is, and the variogram goes to estimates.grd.
                              word("yes", endsWith(0))};
    // A grid of few rows keeps the runs short.
    for (const char* value :
         {"0", "1000", "0", "800", "5", "4", "0.01", "0.6", "0.7", "-0.35", "5000", "200"})
        kriging.push_back(number(value));
    // Each name for its own file, so a cut name leaves the other file as it was.
    kriging.push_back(word("estimates.grd", CUT_NAME));
    kriging.push_back(word("deviations.grd", CUT_NAME));
    return {{"gridder", files, variogram}, {"gridder", files, kriging}};
}

std::vector<Walk> heaterWalks() {
    std::vector<Step> subduction{
        // No subduction: the same answers then fill other questions.  kappa 50, k 0.02, "Y" is
        // passed over for A = 31.5, dt 2.5 (4 steps), method 0 from "0.01", ".01" is no to
        // saving all steps, and the array goes to the file "0.5".
        word("Y", endsWith(0)),
        word("N", SAME_RUN),
    };
    for (const char* value : {"11", "5", "15", "30"}) subduction.push_back(number(value));
    for (const char* value :
         {"0", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"})
        subduction.push_back(number(value));
    for (const char* value : {"10", "50", "0.02"}) subduction.push_back(number(value));
    subduction.push_back(word("Y", endsWith(0)));  // the arc column is then free
    for (const char* value : {"31.5", "2.5", "0.01", "0.5", "1"})
        subduction.push_back(number(value));
    subduction.push_back(word("N", SAME_RUN));
    subduction.push_back(word("subduction.grd", CUT_NAME));

    const Files files{{"start.grd",
                       "0 100 200\n-200 100 0\n 0 0 0\n 100 100 100\n"
                       " 200 200 200\n ^ at time step #0, time = 0.0\n"}};
    std::vector<Step> continued{
        word("N", SAME_RUN),
        // A new grid instead: its questions meet the rest of the script and the input ends.
        word("Yes", endsWith(1)),
        // An empty file: the question comes back, and likewise the input ends.
        word("start.grd", endsWith(1)),
    };
    for (const char* value : {"10", "31.5", "2.5", "0.01", "0.25", "0"})
        continued.push_back(number(value));
    continued.push_back(word("N", SAME_RUN));
    continued.push_back(word("continued.grd", CUT_NAME));
    return {{"heater", {}, subduction}, {"heater", files, continued}};
}

const std::string ROCKS =
    "   Sample     SiO2     TiO2    Al2O3      FeO      MgO      CaO\n"
    "      201    54.33     1.22    15.88     9.11     5.29     9.25\n"
    "      202    57.19     0.83    15.23     6.95     4.91     7.77\n"
    "      203    54.73     1.26    15.55     9.38     5.69     9.42\n"
    "      204    56.03     1.18    15.22     8.87     5.30     9.11\n"
    "      205    55.22     1.21    15.29     9.08     5.20     9.23\n"
    "      206    53.70     0.99    15.64     8.06     6.16     8.36\n"
    "      207    57.75     1.01    14.79     7.81     4.03     8.49\n"
    "      208    53.66     1.09    15.97     8.50     5.85     8.73\n";

std::vector<Walk> factorWalks() {
    std::vector<Step> steps{
        // "File not found" asks again, and every later answer is no file either.
        word("rocks.txt", endsWith(1)),
        word("report.txt", CUT_NAME),
        number("1.e-5"),
        number("6"),
        number("2"),
    };
    return {{"factor", {{"rocks.txt", ROCKS}}, steps}};
}

std::vector<Walk> widthdemoWalks() {
    return {{"widthdemo", {}, {number("123.456"), number("8"), number("2.5"), number("0")}}};
}

// The speed programs wait for Enter twice.  speed takes one character at each wait, so a long
// line answers both; speed90 takes the whole line.
std::vector<Walk> speedWalks(const std::string& program) {
    return {{program, {}, {line(endsWith(0)), line(endsWith(0))}}};
}

void checkProgram(const std::vector<Walk>& walks) {
    for (std::size_t w = 0; w < walks.size(); ++w) {
        SCOPED_TRACE("walk " + std::to_string(w + 1));
        checkWalk(walks[w]);
    }
}

TEST(Robustness, hypoview) {
    checkProgram(hypoviewWalks());
}
TEST(Robustness, orbits) {
    checkProgram(orbitsWalks());
}
TEST(Robustness, gridder) {
    checkProgram(gridderWalks());
}
TEST(Robustness, heater) {
    checkProgram(heaterWalks());
}
TEST(Robustness, factor) {
    checkProgram(factorWalks());
}
TEST(Robustness, widthdemo) {
    checkProgram(widthdemoWalks());
}
TEST(Robustness, speed) {
    checkProgram(speedWalks("speed"));
}
TEST(Robustness, speed90) {
    checkProgram(speedWalks("speed90"));
}

}  // namespace robustness_test
