#pragma once
// A stream that begins with a given text and then repeats a pattern for ever, as a device or a
// generator would: what a reader must not follow without end.
#include <istream>
#include <streambuf>
#include <string>

class EndlessBuffer : public std::streambuf {
  public:
    EndlessBuffer(std::string start, const std::string& pattern) : start_(std::move(start)) {
        while (chunk_.size() < 4096) chunk_ += pattern;
        if (start_.empty()) start_ = chunk_;
        setg(start_.data(), start_.data(), start_.data() + start_.size());
    }

  protected:
    int_type underflow() override {
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(chunk_[0]);
    }

  private:
    std::string start_, chunk_;
};

class EndlessStream : public std::istream {
  public:
    explicit EndlessStream(const std::string& pattern, std::string start = "")
        : std::istream(nullptr), buffer_(std::move(start), pattern) {
        rdbuf(&buffer_);
    }

  private:
    EndlessBuffer buffer_;
};
