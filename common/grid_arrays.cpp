#include "grid_arrays.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <sstream>

namespace {

constexpr std::size_t CAPTION_LENGTH = 79;

// The line (from 1) on which the character at offset lies; at the end of the file, the last line
// that holds anything.
int lineAt(const std::string& text, std::streamoff offset) {
    if (offset >= std::streamoff(text.size())) {
        std::size_t last = text.find_last_not_of(" \t\r\n");
        offset = last == std::string::npos ? 0 : std::streamoff(last);
    }
    auto end = text.begin() + std::min<std::streamoff>(offset, std::streamoff(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// The reader's own message for a failure at offset, as one line without its line end.
std::string readError(GridRead what, const std::string& fileName, const std::string& text,
                      std::streamoff offset) {
    std::string message = gridReadMessage(what, fileName, lineAt(text, offset));
    message.pop_back();
    return message;
}

// The offset of the next non-blank character, where a failed read stopped.
std::streamoff nextWordAt(std::istringstream& in) {
    in.clear();
    in >> std::ws;
    in.clear();
    std::streamoff at = in.tellg();
    return at < 0 ? 0 : at;
}

}  // namespace

bool isHeaterCaption(const std::string& caption) {
    std::size_t at = caption.find_first_not_of(' ');
    return at != std::string::npos && caption.compare(at, 4, "^ at") == 0;
}

bool readGridArrays(std::istream& file, const std::string& fileName, std::vector<GridArray>& arrays,
                    std::string& error, std::size_t maxValues) {
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::istringstream in(text);
    std::size_t total = 0;
    for (;;) {
        in >> std::ws;
        if (in.eof()) break;
        GridArray array;
        std::streamoff headerAt = nextWordAt(in);
        if (GridRead r = readGridHeader(in, array.header); r != GridRead::ok) {
            error = readError(r, fileName, text,
                              r == GridRead::noUsableCount ? headerAt : nextWordAt(in));
            return false;
        }
        std::size_t count = static_cast<std::size_t>(array.header.nx) * array.header.ny;
        if (count > maxValues - total) {
            error = gridFileNamed(fileName, lineAt(text, headerAt)) + " has a header of " +
                    std::to_string(array.header.nx) + " x " + std::to_string(array.header.ny) +
                    " points, more than " + std::to_string(maxValues) + " values.";
            return false;
        }
        total += count;
        array.values.resize(count);
        for (float& value : array.values)
            if (GridRead r = readGridValue(in, value); r != GridRead::ok) {
                error = readError(r, fileName, text, nextWordAt(in));
                return false;
            }
        in.clear();
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        std::getline(in, array.caption);
        if (!array.caption.empty() && array.caption.back() == '\r') array.caption.pop_back();
        if (array.caption.size() > CAPTION_LENGTH) array.caption.resize(CAPTION_LENGTH);
        arrays.push_back(std::move(array));
    }
    if (arrays.empty()) {
        error = gridFileNamed(fileName) + " holds no gridded data.";
        return false;
    }
    return true;
}
