#include "grd_text.h"

#include <sstream>

#include "output_array.h"

bool readGrdStack(const std::string& text, const std::string& fileName, GridStack& stack,
                  std::string& fault) {
    std::istringstream in(text);
    stack = GridStack{};
    if (!readGridArrays(in, fileName, stack.arrays, fault, MAX_GRID_VALUES)) return false;
    // heater captions every array it writes, and no other writer of the suite does.
    bool heater = true;
    for (const GridArray& array : stack.arrays) heater = heater && isHeaterCaption(array.caption);
    stack.layout = heater ? GridLayout::heaterRows : GridLayout::valuePerLine;
    return true;
}

std::string grdText(const GridStack& stack) {
    std::ostringstream os;
    // A reader takes the line after an array's values as its caption, so when arrays follow one
    // another each needs its caption line, or the next header would be taken for one.
    const bool captions = stack.layout == GridLayout::heaterRows || stack.arrays.size() > 1;
    std::vector<float> row;
    for (const GridArray& array : stack.arrays) {
        const GridHeader& h = array.header;
        writeGridHeader(os, h.x, h.y);
        if (stack.layout == GridLayout::heaterRows) {
            // heater's row writer counts its columns from 1.
            row.assign(static_cast<std::size_t>(h.nx) + 1, 0.0f);
            for (int r = 0; r < h.ny; ++r) {
                for (int c = 0; c < h.nx; ++c) row[static_cast<std::size_t>(c) + 1] = array.at(c, r);
                writeRoundedRow(os, row.data(), h.nx);
            }
        } else {
            for (float value : array.values) {
                writeGridValue(os, value);
                os.put('\n');
            }
        }
        if (captions || !array.caption.empty()) os << array.caption << '\n';
    }
    return os.str();
}
