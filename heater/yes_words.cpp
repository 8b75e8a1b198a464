#include "yes_words.h"

#include "console.h"

bool isYes(const std::string& word) {
    return isOneOf(word.c_str(), {"TRUE", "true", "T", "t", "YES", "yes", "Yes", "Y", "y"});
}
