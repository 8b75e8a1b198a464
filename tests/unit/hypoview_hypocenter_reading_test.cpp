#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "hypocenter_reading.h"

namespace {

std::unique_ptr<Hypocenters> fresh() {
    return std::make_unique<Hypocenters>();
}

std::string triples(int n) {
    std::string text;
    for (int j = 1; j <= n; ++j)
        text += std::to_string(j) + " " + std::to_string(-j) + " -" + std::to_string(j) + ".5\n";
    return text;
}

TEST(HypocenterReading, LastLineWithoutLineEnd) {
    auto h = fresh();
    std::istringstream in("1 2 -3\n4.5 5e1 -6E-1");
    EXPECT_EQ(2, readHypocenters(in, *h));
    EXPECT_EQ(4.5f, h->hx[1]);
    EXPECT_EQ(50.0f, h->hy[1]);
    EXPECT_EQ(-0.6f, h->hz[1]);
}

TEST(HypocenterReading, OnlyTheFirst2500AreKept) {
    auto h = fresh();
    std::istringstream in(triples(MAX_HYPOCENTERS + 1));
    EXPECT_EQ(MAX_HYPOCENTERS, readHypocenters(in, *h));
    EXPECT_EQ(2500.0f, h->hx[MAX_HYPOCENTERS - 1]);
    EXPECT_EQ(-2500.0f, h->hy[MAX_HYPOCENTERS - 1]);
    EXPECT_EQ(-2500.5f, h->hz[MAX_HYPOCENTERS - 1]);
    // The 2501st triple is left in the file.
    std::string rest;
    in >> rest;
    EXPECT_EQ("2501", rest);

    auto exact = fresh();
    std::istringstream full(triples(MAX_HYPOCENTERS));
    EXPECT_EQ(MAX_HYPOCENTERS, readHypocenters(full, *exact));
}

TEST(HypocenterReading, IncompleteLastTripleIsDropped) {
    auto h = fresh();
    std::istringstream in("1 2 3\n4 5\n");
    EXPECT_EQ(1, readHypocenters(in, *h));
    EXPECT_EQ(3.0f, h->hz[0]);
}

TEST(HypocenterReading, TextEndsTheListAtTheLastCompleteTriple) {
    auto h = fresh();
    std::istringstream in("1 2 3\n4 x 6\n7 8 9\n");
    EXPECT_EQ(1, readHypocenters(in, *h));
}

TEST(HypocenterReading, LineStructureCarriesNoMeaning) {
    auto h = fresh();
    std::istringstream in("1 2\n3 4\t5\r\n6");
    EXPECT_EQ(2, readHypocenters(in, *h));
    EXPECT_EQ(3.0f, h->hz[0]);
    EXPECT_EQ(4.0f, h->hx[1]);
    EXPECT_EQ(6.0f, h->hz[1]);
}

TEST(HypocenterReading, EmptyOrUnopenedFileGivesNone) {
    auto h = fresh();
    h->nh = 7;
    std::istringstream empty("");
    EXPECT_EQ(0, readHypocenters(empty, *h));
    EXPECT_EQ(0, h->nh);
    std::ifstream missing;
    EXPECT_EQ(0, readHypocenters(missing, *h));
}

}  // namespace
