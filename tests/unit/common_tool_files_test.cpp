#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "file_kind.h"
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
        std::ofstream(at(name), std::ios::binary) << text;
    }
    std::string contents(const std::string& name) const {
        std::ifstream in(at(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Every entry of the folder: a temporary file left behind would show here.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir;
};

TEST_F(ToolFiles, KindsOfFile) {
    put("plain", "x");
    fs::create_directory(at("folder"));
    ASSERT_EQ(0, mkfifo(at("pipe").c_str(), 0600));
    fs::create_symlink(at("plain"), at("to-plain"));
    fs::create_symlink(at("folder"), at("to-folder"));
    fs::create_symlink(at("nothing"), at("dangling"));
    const struct {
        std::string name;
        FileKind kind;
    } cases[] = {
        {at("plain"), FileKind::plainFile},     {at("folder"), FileKind::folder},
        {at("pipe"), FileKind::specialFile},    {"/dev/null", FileKind::specialFile},
        {at("to-plain"), FileKind::plainFile},  {at("to-folder"), FileKind::folder},
        {at("dangling"), FileKind::missing},    {at("nothing"), FileKind::missing},
        {at("plain/below"), FileKind::missing},
    };
    for (const auto& c : cases) EXPECT_EQ(c.kind, fileKindOf(c.name)) << c.name;

    std::string text, error;
    for (const char* name : {"folder", "pipe"}) {
        EXPECT_FALSE(readWholeFile(at(name), text, error));
        EXPECT_EQ(at(name) + " is not a plain file", error);
    }
    EXPECT_FALSE(readWholeFile(at("nothing"), text, error));
    EXPECT_EQ("cannot open " + at("nothing"), error);
    EXPECT_TRUE(readWholeFile(at("to-plain"), text, error));
    EXPECT_EQ("x", text);
}

// A new file, a replaced one and one reached through links: the text arrives whole, links stay
// links, an existing file keeps its permissions, and no temporary file is left beside them.
TEST_F(ToolFiles, WritesWholeThroughATemporaryFile) {
    put("old.svg", "old");
    ASSERT_EQ(0, chmod(at("old.svg").c_str(), 0640));
    put("target.svg", "old");
    fs::create_symlink("target.svg", at("link.svg"));  // relative, as ln -s makes them
    fs::create_symlink(at("later.svg"), at("dangling.svg"));
    std::string error;
    for (const char* name : {"new.svg", "old.svg", "link.svg", "dangling.svg"}) {
        ASSERT_TRUE(writeWholeFile(at(name), "picture", {}, error)) << name << ": " << error;
        EXPECT_EQ("picture", contents(name)) << name;
    }
    EXPECT_EQ(fs::perms(0640), fs::status(at("old.svg")).permissions() & fs::perms::all);
    EXPECT_TRUE(fs::is_symlink(at("link.svg")));
    EXPECT_EQ("picture", contents("target.svg"));
    EXPECT_TRUE(fs::is_symlink(at("dangling.svg")));
    EXPECT_EQ("picture", contents("later.svg"));
    EXPECT_EQ((std::vector<std::string>{"dangling.svg", "later.svg", "link.svg", "new.svg",
                                        "old.svg", "target.svg"}),
              entries());
}

// Every way the write can fail leaves what was there untouched and no temporary file.
TEST_F(ToolFiles, AFailedWriteLeavesTheEarlierFileAsItWas) {
    put("in.skm", "metafile");
    put("old.svg", "earlier picture");
    fs::create_directory(at("folder"));
    const std::string large(4096, 'x');
    // Writes beyond 1 kB fail (EFBIG) while the limit holds, as on a full disk.
    auto overFileSizeLimit = [](const std::function<bool()>& write) {
        struct rlimit before {};
        getrlimit(RLIMIT_FSIZE, &before);
        struct rlimit small = before;
        small.rlim_cur = 1024;
        auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        bool written = write();
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, oldHandler);
        return written;
    };
    const struct {
        const char* name;
        std::function<bool(std::string&)> write;
        std::string error;
    } cases[] = {
        {"write cut short",
         [&](std::string& e) {
             return overFileSizeLimit([&] { return writeWholeFile(at("old.svg"), large, {}, e); });
         },
         "cannot write " + at("old.svg")},
        {"output over its input",
         [&](std::string& e) {
             return writeWholeFile(at("./old.svg"), large, {at("in.skm"), at("old.svg")}, e);
         },
         at("./old.svg") + " is an input of this run; name another output file"},
        {"no such folder",
         [&](std::string& e) { return writeWholeFile(at("none/old.svg"), large, {}, e); },
         "cannot create " + at("none/old.svg")},
        {"a folder as the output",
         [&](std::string& e) { return writeWholeFile(at("folder"), large, {}, e); },
         "cannot create " + at("folder")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_FALSE(c.write(error));
        EXPECT_EQ(c.error, error);
        EXPECT_EQ("earlier picture", contents("old.svg"));
        EXPECT_EQ((std::vector<std::string>{"folder", "in.skm", "old.svg"}), entries());
        EXPECT_TRUE(fs::is_empty(at("folder")));
    }
    // A file this user may not write is refused as opening it would be, not replaced through
    // its folder (a privileged user may write it, and does).
    ASSERT_EQ(0, chmod(at("old.svg").c_str(), 0444));
    std::string error;
    if (geteuid() != 0) {
        EXPECT_FALSE(writeWholeFile(at("old.svg"), large, {}, error));
        EXPECT_EQ("cannot create " + at("old.svg"), error);
        EXPECT_EQ("earlier picture", contents("old.svg"));
    }
}

// A device named as the output, directly or through a link, gets the write itself: it is never
// replaced by a plain file or removed, whether the write succeeds (/dev/null) or not (/dev/full).
TEST_F(ToolFiles, SpecialFilesAreWrittenInPlace) {
    fs::create_symlink("/dev/null", at("null.svg"));
    std::string error;
    EXPECT_TRUE(writeWholeFile(at("null.svg"), "picture", {}, error)) << error;
    EXPECT_TRUE(fs::is_symlink(at("null.svg")));
    EXPECT_TRUE(writeWholeFile("/dev/null", "picture", {}, error)) << error;
    EXPECT_EQ(FileKind::specialFile, fileKindOf("/dev/null"));
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    fs::create_symlink("/dev/full", at("full.svg"));
    EXPECT_FALSE(writeWholeFile(at("full.svg"), "picture", {}, error));
    EXPECT_EQ("cannot write " + at("full.svg"), error);
    EXPECT_TRUE(fs::is_symlink(at("full.svg")));
    EXPECT_EQ((std::vector<std::string>{"full.svg", "null.svg"}), entries());
}

}  // namespace
