#include <gtest/gtest.h>

#include "yes_words.h"

namespace {

TEST(YesWords, TheTenWordsSelect) {
    for (const char* word : {"Y", "y", "YES", "yes", "Yes", "yES", "TRUE", "true", "T", "t"})
        EXPECT_TRUE(isYesWord(word)) << word;
}

TEST(YesWords, EverythingElseMeansNo) {
    for (const char* word : {"YEs", "yEs", "True", "ja", "oui", "no", "N", "", "yes!", "Y "})
        EXPECT_FALSE(isYesWord(word)) << word;
}

}  // namespace
