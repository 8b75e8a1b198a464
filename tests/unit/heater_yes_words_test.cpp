#include <gtest/gtest.h>

#include "yes_words.h"

TEST(IsYes, TheNineYesWordsCaseForCase) {
    for (const char* yes : {"TRUE", "true", "T", "t", "YES", "yes", "Yes", "Y", "y"})
        EXPECT_TRUE(isYes(yes)) << yes;
    for (const char* no : {"No", "N", "n", "F", "False", "True", "yES", "ye", "yess", "", "1"})
        EXPECT_FALSE(isYes(no)) << no;
}
