#pragma once
// How often a part occurs in a text, overlapping occurrences included.
#include <string>

inline int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}
