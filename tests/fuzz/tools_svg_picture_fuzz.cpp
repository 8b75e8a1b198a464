// skm2svg's conversion of a graphics metafile on arbitrary text: it ends, and either writes a
// whole SVG document (valid UTF-8, no control characters, every '<' the start of one of the
// picture's own elements, every '&' an entity, every coordinate a number) or refuses with a
// message naming the line.
#include <sstream>
#include <string_view>

#include "fuzz_support.h"
#include "svg_picture.h"

namespace {

bool startsWithAny(std::string_view text, std::initializer_list<std::string_view> starts) {
    for (std::string_view s : starts)
        if (text.substr(0, s.size()) == s) return true;
    return false;
}

// Length of the UTF-8 sequence at the start of text, or 0 when it is broken or not allowed.
std::size_t utf8Length(std::string_view text) {
    unsigned char c = static_cast<unsigned char>(text[0]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || n > text.size() || (n == 2 && c < 0xc2)) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(text[i]) >> 6) != 2) return 0;
    return n;
}

void checkDocument(std::string_view svg) {
    const std::string_view END = "</g>\n</svg>\n";
    require(svg.size() > END.size() && svg.substr(svg.size() - END.size()) == END);
    for (std::size_t at = 0; at < svg.size();) {
        std::size_t n = utf8Length(svg.substr(at));
        require(n > 0);
        unsigned char c = static_cast<unsigned char>(svg[at]);
        require(c >= 0x20 || c == '\n');
        std::string_view rest = svg.substr(at);
        if (c == '<')
            require(
                startsWithAny(rest, {"<?xml ", "<svg ", "</svg>", "<title>", "</title>", "<rect ",
                                     "<g ", "</g>", "<line ", "<circle ", "<text ", "</text>"}));
        if (c == '&') require(startsWithAny(rest, {"&amp;", "&lt;", "&gt;", "&quot;"}));
        at += n;
    }
    for (std::string_view bad : {"=\"nan", "=\"inf", "=\"-inf", "=\"-nan"})
        require(svg.find(bad) == std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(inputText(data, size));
    std::ostringstream out;
    std::string error;
    if (!metafileToSvg(in, out, "fuzz.skm", error)) {
        require(error.compare(0, 5, "line ") == 0 && error.find('\n') == std::string::npos);
        return 0;
    }
    require(error.empty());
    checkDocument(out.str());
    return 0;
}
