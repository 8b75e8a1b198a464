#pragma once
#include <string>

// True exactly when the answer is, case for case, one of the words that select a body's history.
bool isYesWord(const std::string& answer);
