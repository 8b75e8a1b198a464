#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "capacities.h"
#include "dataset.h"
#include "read_number.h"

namespace {

struct Records {
    std::vector<float> x = std::vector<float>(MAX_DATA), y = x, z = x;
    int n = 0;
    DataReadResult result;
};

Records read(const std::string& text) {
    Records r;
    std::istringstream in(text);
    r.result = readRecords(in, r.x.data(), r.y.data(), r.z.data(), r.n);
    return r;
}

std::string records(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text +=
            std::to_string(i) + " " + std::to_string(2 * i) + " " + std::to_string(3 * i) + "\n";
    return text;
}

TEST(ReadRecords, FreeFormatNumbersInFileOrder) {
    Records r = read("1 2 3\n-1.5e2 +4 .5\n7\n8\n9\n");
    EXPECT_EQ(DataRead::endOfFile, r.result.status);
    ASSERT_EQ(3, r.n);
    EXPECT_EQ(1.0f, r.x[0]);
    EXPECT_EQ(-150.0f, r.x[1]);
    EXPECT_EQ(4.0f, r.y[1]);
    EXPECT_EQ(0.5f, r.z[1]);
    EXPECT_EQ(7.0f, r.x[2]);  // one datum per line is a convention, not a rule
    EXPECT_EQ(9.0f, r.z[2]);
}

TEST(ReadRecords, CommasSeparateLikeBlanks) {
    Records r = read("1,2,3\n4, 5 ,6\r\n7\t8,\t9,\n");
    ASSERT_EQ(3, r.n);
    EXPECT_EQ(5.0f, r.y[1]);
    EXPECT_EQ(6.0f, r.z[1]);
    EXPECT_EQ(9.0f, r.z[2]);
}

TEST(ReadRecords, HowTheFileEnds) {
    EXPECT_EQ(2, read("1 2 3\n4 5 6").n);  // complete last record without a line end
    EXPECT_EQ(1, read("1 2 3\n4 5").n);    // cut short by the end: dropped
    EXPECT_EQ(1, read("1 2 3\n4 5\n").n);
    EXPECT_EQ(0, read("   \n\n").n);
    EXPECT_EQ(DataRead::endOfFile, read("1 2 3\n4").result.status);
}

TEST(ReadRecords, TextThatIsNotANumberNamesItsRecord) {
    Records r = read("1 2 3\n4 x 6\n7 8 9\n");
    EXPECT_EQ(DataRead::notANumber, r.result.status);
    EXPECT_EQ(2, r.result.record);
    EXPECT_EQ(1, r.n);
    EXPECT_EQ(3, read("1 2 3\n4 5 6\n12abc 1 1\n").result.record);  // "12" read, "abc" is not
    // Records are three numbers, not lines: "6" completes record 2 and "abc" begins record 3.
    EXPECT_EQ(3, read("1 2 3\n4 5 6abc\n").result.record);
    EXPECT_EQ(1, read("x y z\n1 2 3\n").result.record);
    EXPECT_EQ(1, read("1 2 -\n").result.record);
    EXPECT_EQ(1, read("1;2;3\n").result.record);
    EXPECT_EQ(2, read("1 2 3" + std::string(MAX_SKIP + 1, ',') + "4 5 6").result.record);
}

TEST(ReadRecords, CapacityOfTheArrays) {
    Records exact = read(records(MAX_DATA));
    EXPECT_EQ(DataRead::capacityReached, exact.result.status);
    EXPECT_EQ(MAX_DATA, exact.n);
    Records more = read(records(MAX_DATA + 1) + "not even read\n");
    EXPECT_EQ(DataRead::capacityReached, more.result.status);
    EXPECT_EQ(MAX_DATA, more.n);
    EXPECT_EQ(3999.0f, more.x[MAX_DATA - 1]);
    EXPECT_EQ(11997.0f, more.z[MAX_DATA - 1]);
    Records fewer = read(records(MAX_DATA - 1));
    EXPECT_EQ(DataRead::endOfFile, fewer.result.status);
    EXPECT_EQ(MAX_DATA - 1, fewer.n);
}

}  // namespace
