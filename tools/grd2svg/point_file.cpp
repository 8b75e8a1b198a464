#include "point_file.h"

#include <sstream>

#include "read_number.h"

bool readPointFile(std::istream& in, std::vector<PlotPoint>& points, std::string& error) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        std::istringstream fields(line);
        PlotPoint p{};
        if (!readReal(fields, p.x) || !readReal(fields, p.y)) {
            error = "line " + std::to_string(number) + ": x and y cannot be read";
            return false;
        }
        points.push_back(p);
    }
    return true;
}
