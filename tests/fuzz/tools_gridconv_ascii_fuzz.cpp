// gridconv's text readers on arbitrary text: the ESRI ASCII grid and x y z text.  Each ends,
// refuses with one line naming the file and a line within it, or gives a grid of finite values
// that its own writer gives back unchanged.
#include <cmath>

#include "ascii_grid.h"
#include "fuzz_support.h"
#include "grd_text.h"
#include "xyz_text.h"

namespace {

void checkRefusal(const std::string& fault, const std::string& name, const std::string& text) {
    require(fault.rfind(name + ":", 0) == 0 && isWholeLines(fault + "\n"));
    require(fault.find('\n') == std::string::npos);
    std::size_t lines = 1;
    for (char c : text) lines += c == '\n';
    const std::string rest = fault.substr(name.size() + 1);
    if (!rest.empty() && rest[0] != ' ') require(std::stoul(rest) >= 1 && std::stoul(rest) <= lines);
}

void checkGrid(const GridStack& stack) {
    require(stack.arrays.size() == 1);
    const GridArray& array = stack.arrays[0];
    require(gridCount(array.header.x) == array.header.nx);
    require(gridCount(array.header.y) == array.header.ny);
    require(array.values.size() == std::size_t(array.header.nx) * std::size_t(array.header.ny));
    for (float v : array.values) require(std::isfinite(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = inputText(data, size);
    const MissingValues missing{size % 2 == 1, 0};
    GridStack stack, back;
    std::string fault, written;
    if (!readAsciiGrid(text, "f.asc", missing, stack, fault)) {
        checkRefusal(fault, "f.asc", text);
    } else {
        checkGrid(stack);
        require(asciiGridText(stack.arrays[0], "f.asc", written, fault));
        require(readAsciiGrid(written, "g.asc", MissingValues{}, back, fault));
        require(grdText(back) == grdText(stack));
    }
    if (!readXyzText(text, "f.xyz", missing, stack, fault)) {
        checkRefusal(fault, "f.xyz", text);
    } else {
        checkGrid(stack);
        require(readXyzText(xyzText(stack.arrays[0]), "g.xyz", MissingValues{}, back, fault));
        require(grdText(back) == grdText(stack));
    }
    return 0;
}
