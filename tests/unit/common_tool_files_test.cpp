#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tool_files.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed afterwards.
class ToolFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tool-files-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(at(name)) << text;
    }
    std::string contents(const std::string& name) const {
        std::ifstream in(at(name));
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A temporary file left behind would show here.
    long entries() const {
        return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
    }
    fs::path dir;
};

// New, replaced and linked-to files get the text whole; links stay links, an existing file keeps
// its permissions, a device is written in place, and no temporary file is left.
TEST_F(ToolFiles, WritesWholeThroughATemporaryFile) {
    put("old.svg", "old");
    ASSERT_EQ(0, chmod(at("old.svg").c_str(), 0640));
    fs::create_symlink("old.svg", at("link.svg"));  // relative, as ln -s makes them
    fs::create_symlink(at("later.svg"), at("dangling.svg"));
    fs::create_symlink("/dev/null", at("null.svg"));
    std::string error;
    for (const char* name : {"new.svg", "link.svg", "dangling.svg", "null.svg"})
        EXPECT_TRUE(writeWholeFile(at(name), name, {}, error)) << error;
    EXPECT_EQ("new.svg", contents("new.svg"));
    EXPECT_EQ("link.svg", contents("old.svg"));
    EXPECT_EQ("dangling.svg", contents("later.svg"));
    EXPECT_EQ(fs::perms(0640), fs::status(at("old.svg")).permissions() & fs::perms::all);
    for (const char* link : {"link.svg", "dangling.svg", "null.svg"})
        EXPECT_TRUE(fs::is_symlink(at(link))) << link;
    EXPECT_EQ(6, entries());
}

// Every way the write can fail leaves what was there as it was, and no temporary file.
TEST_F(ToolFiles, AFailedWriteLeavesTheEarlierFileAsItWas) {
    put("old.svg", "earlier picture");
    fs::create_symlink("/dev/full", at("full.svg"));
    const std::string large(4096, 'x');
    struct rlimit before {};
    getrlimit(RLIMIT_FSIZE, &before);
    struct rlimit small = before;
    small.rlim_cur = 1024;  // writes beyond 1 kB fail (EFBIG), as on a full disk
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    std::string error;
    setrlimit(RLIMIT_FSIZE, &small);
    bool written = writeWholeFile(at("old.svg"), large, {}, error);
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ("cannot write " + at("old.svg"), error);
    const struct {
        std::string name;
        std::vector<std::string> inputs;
        std::string error;
    } cases[] = {
        {at("./old.svg"),
         {at("old.svg")},
         at("./old.svg") + " is an input of this run; name another output file"},
        {at("none/old.svg"), {}, "cannot create " + at("none/old.svg")},
        {dir.string(), {}, "cannot create " + dir.string()},
        {at("full.svg"), {}, "cannot write " + at("full.svg")},  // never removed
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(writeWholeFile(c.name, large, c.inputs, error));
        EXPECT_EQ(c.error, error);
    }
    EXPECT_EQ("earlier picture", contents("old.svg"));
    EXPECT_TRUE(fs::is_symlink(at("full.svg")));
    EXPECT_EQ(2, entries());
}

}  // namespace
