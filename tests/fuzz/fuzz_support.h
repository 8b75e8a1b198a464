#pragma once
// Small helpers the fuzz targets share: the input as a string, a stream that swallows the
// console reports of the routines under test, and the check that text written is whole lines.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>

inline std::string inputText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Discards everything: the routines report every step on the console, and the fuzzer has no use
// for those lines (writing them would only slow it down).
class DiscardBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Sends the console to a DiscardBuffer for the life of one call, and gives it back after: a console
// left on a buffer that is destroyed before the program ends would be flushed into freed memory.
class SilencedConsole {
  public:
    SilencedConsole() : saved_(std::cout.rdbuf(&discard_)) {}
    ~SilencedConsole() { std::cout.rdbuf(saved_); }
    SilencedConsole(const SilencedConsole&) = delete;
    SilencedConsole& operator=(const SilencedConsole&) = delete;

  private:
    DiscardBuffer discard_;
    std::streambuf* saved_;
};

// Text that a program writes must be lines of printable characters: no NUL or other control
// character, and a line end at the very end.
inline bool isWholeLines(const std::string& text) {
    if (!text.empty() && text.back() != '\n') return false;
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\n' && c != '\t') return false;
        if (u == 0x7f) return false;
    }
    return true;
}

// A failed check: abort, which the fuzzer reports with the input that caused it.
inline void require(bool condition) {
    if (!condition) std::abort();
}
