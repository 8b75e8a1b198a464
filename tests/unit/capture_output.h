#pragma once
// Catches what a routine prints on std::cout while the object lives.
#include <iostream>
#include <sstream>
#include <string>

class CaptureOutput {
public:
    CaptureOutput() : saved_(std::cout.rdbuf(text_.rdbuf())) {}
    ~CaptureOutput() { std::cout.rdbuf(saved_); }
    CaptureOutput(const CaptureOutput&) = delete;
    CaptureOutput& operator=(const CaptureOutput&) = delete;
    std::string str() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* saved_;
};
