#include "classic_header.h"

#include <cstdint>

namespace {

constexpr std::uint32_t DIMENSION_TAG = 0x0A, VARIABLE_TAG = 0x0B, ATTRIBUTE_TAG = 0x0C;

// Big-endian fields, as the format stores them; every read fails rather than run past the end.
class HeaderReader {
  public:
    HeaderReader(const std::string& bytes, int version) : bytes_(bytes), version_(version) {}
    bool word(std::uint64_t& value, int size) {
        if (std::uint64_t(size) > left()) return false;
        value = 0;
        for (int i = 0; i < size; ++i) value = value << 8 | static_cast<unsigned char>(bytes_[at_++]);
        return true;
    }
    bool tag(std::uint64_t& value) { return word(value, 4); }
    // Counts and lengths: 4 bytes, 8 in CDF-5.
    bool count(std::uint64_t& value) { return word(value, version_ == 5 ? 8 : 4); }
    bool offset(std::uint64_t& value) { return word(value, version_ == 1 ? 4 : 8); }
    // size bytes and the padding to a multiple of 4 after them.
    bool skip(std::uint64_t size) {
        if (size > left()) return false;
        at_ += size;
        std::uint64_t pad = (4 - size % 4) % 4;
        if (pad > left()) return false;
        at_ += pad;
        return true;
    }
    std::uint64_t left() const { return bytes_.size() - at_; }
    int version() const { return version_; }

  private:
    const std::string& bytes_;
    int version_;
    std::size_t at_ = 4;
};

// Bytes per value of an external type, 0 for none.
int typeSize(std::uint64_t type, int version) {
    switch (type) {
        case 1: case 2: return 1;   // byte, char
        case 3: return 2;           // short
        case 4: case 5: return 4;   // int, float
        case 6: return 8;           // double
        default: break;
    }
    if (version != 5) return 0;
    switch (type) {
        case 7: return 1;            // unsigned byte
        case 8: return 2;            // unsigned short
        case 9: return 4;            // unsigned int
        case 10: case 11: return 8;  // 64-bit integers
        default: return 0;
    }
}

bool name(HeaderReader& in) {
    std::uint64_t length = 0;
    return in.count(length) && length > 0 && in.skip(length);
}

// A list's tag and count: false when neither absent nor the expected tag, or when count items of
// at least minimum bytes each cannot fit in the rest of the file.
bool listHead(HeaderReader& in, std::uint64_t expected, std::uint64_t minimum,
              std::uint64_t& count) {
    std::uint64_t tag = 0;
    if (!in.tag(tag) || !in.count(count)) return false;
    if (tag == 0) return count == 0;
    return tag == expected && count <= in.left() / minimum;
}

bool attributes(HeaderReader& in) {
    std::uint64_t count = 0;
    if (!listHead(in, ATTRIBUTE_TAG, 12, count)) return false;
    for (std::uint64_t a = 0; a < count; ++a) {
        std::uint64_t type = 0, values = 0;
        if (!name(in) || !in.tag(type) || !in.count(values)) return false;
        const int size = typeSize(type, in.version());
        if (size == 0 || values > in.left() / std::uint64_t(size) || !in.skip(values * size))
            return false;
    }
    return true;
}

}  // namespace

bool classicHeaderFits(const std::string& bytes) {
    if (bytes.size() < 4 || bytes.compare(0, 3, "CDF") != 0) return false;
    const int version = bytes[3];
    if (version != 1 && version != 2 && version != 5) return false;
    HeaderReader in(bytes, version);
    std::uint64_t records = 0, count = 0;
    if (!in.count(records)) return false;
    if (!listHead(in, DIMENSION_TAG, 12, count)) return false;
    for (std::uint64_t d = 0; d < count; ++d) {
        std::uint64_t length = 0;
        if (!name(in) || !in.count(length)) return false;
    }
    if (!attributes(in)) return false;
    if (!listHead(in, VARIABLE_TAG, 24, count)) return false;
    const std::uint64_t idSize = version == 5 ? 8 : 4;
    for (std::uint64_t v = 0; v < count; ++v) {
        std::uint64_t rank = 0, type = 0, size = 0, begin = 0;
        if (!name(in) || !in.count(rank) || rank > in.left() / idSize || !in.skip(rank * idSize))
            return false;
        if (!attributes(in) || !in.tag(type) || typeSize(type, version) == 0 || !in.count(size) ||
            !in.offset(begin))
            return false;
    }
    return true;
}
