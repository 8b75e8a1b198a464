#pragma once
// The yes/no questions of heater, whatever letters they offer (Y/N, Yes/No, T/F), accept these
// words as yes, case for case; every other word means no.
#include <string>

bool isYes(const std::string& word);
