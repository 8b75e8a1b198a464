#include "yes_words.h"

#include <initializer_list>

#include "console.h"

namespace {

const std::initializer_list<const char*> YES_WORDS = {"Y",   "y",    "YES",  "yes", "Yes",
                                                      "yES", "TRUE", "true", "T",   "t"};

}  // namespace

bool isYesWord(const std::string& answer) {
    return isOneOf(answer.c_str(), YES_WORDS);
}
