#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "output_files.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder with two files, a.txt and b.txt, and a sub-folder sub.
class NamesOneFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "names-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        dir = pattern;
        fs::create_directory(dir / "sub");
        std::ofstream(dir / "a.txt") << "a\n";
        std::ofstream(dir / "b.txt") << "b\n";
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(NamesOneFile, SameTextIsOneFileWhetherOrNotItExists) {
    EXPECT_TRUE(namesOneFile(at("a.txt"), at("a.txt")));
    EXPECT_TRUE(namesOneFile("History.txt", "History.txt"));
}

TEST_F(NamesOneFile, TwoPathsToOneExistingFile) {
    EXPECT_TRUE(namesOneFile(at("a.txt"), at("sub/../a.txt")));
    EXPECT_TRUE(namesOneFile(at("./a.txt"), at("a.txt")));
}

// Once either is created the other names it too.
TEST_F(NamesOneFile, TwoPathsToOnePlaceWithoutAFileYet) {
    EXPECT_TRUE(namesOneFile(at("./missing.txt"), at("missing.txt")));
    EXPECT_TRUE(namesOneFile(at("sub/../missing.txt"), at("missing.txt")));
    EXPECT_FALSE(namesOneFile(at("sub/missing.txt"), at("missing.txt")));
    EXPECT_TRUE(namesOneFile("./no-such-file.txt", "no-such-file.txt"));  // as typed, relative
}

TEST_F(NamesOneFile, DifferentFiles) {
    EXPECT_FALSE(namesOneFile(at("a.txt"), at("b.txt")));
    EXPECT_FALSE(namesOneFile(at("a.txt"), at("missing.txt")));
    EXPECT_FALSE(namesOneFile(at("missing.txt"), at("other.txt")));
    EXPECT_FALSE(namesOneFile(at("a.txt"), at("A.txt")));
}

}  // namespace
