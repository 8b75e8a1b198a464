#include "netcdf_grid.h"

#include <netcdf.h>
#include <netcdf_mem.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "classic_header.h"
#include "netcdf_layout.h"

namespace {

// Closes the file on every way out of the reader.
struct OpenNetcdf {
    int id = -1;
    ~OpenNetcdf() {
        if (id >= 0) nc_close(id);
    }
};

bool isNumeric(nc_type type) {
    return type == NC_BYTE || type == NC_SHORT || type == NC_INT || type == NC_FLOAT ||
           type == NC_DOUBLE || type == NC_UBYTE || type == NC_USHORT || type == NC_UINT ||
           type == NC_INT64 || type == NC_UINT64;
}

// The fill value the library itself writes for a type where no _FillValue is given (none for
// bytes, whose every value is valid).
bool defaultFill(nc_type type, double& fill) {
    switch (type) {
        case NC_SHORT: fill = NC_FILL_SHORT; return true;
        case NC_INT: fill = NC_FILL_INT; return true;
        case NC_FLOAT: fill = NC_FILL_FLOAT; return true;
        case NC_DOUBLE: fill = NC_FILL_DOUBLE; return true;
        case NC_USHORT: fill = NC_FILL_USHORT; return true;
        case NC_UINT: fill = NC_FILL_UINT; return true;
        default: return false;
    }
}

// A numeric attribute of one value, or none.
bool numberAttribute(int id, int var, const char* name, double& value) {
    nc_type type;
    std::size_t length = 0;
    if (nc_inq_att(id, var, name, &type, &length) != NC_NOERR || length != 1 || !isNumeric(type))
        return false;
    return nc_get_att_double(id, var, name, &value) == NC_NOERR;
}

bool textAttribute(int id, int var, const char* name, std::string& value) {
    nc_type type;
    std::size_t length = 0;
    if (nc_inq_att(id, var, name, &type, &length) != NC_NOERR || type != NC_CHAR) return false;
    value.assign(length, '\0');
    return length == 0 || nc_get_att_text(id, var, name, value.data()) == NC_NOERR;
}

std::string variableName(int id, int var) {
    char name[NC_MAX_NAME + 1] = {};
    nc_inq_varname(id, var, name);
    return name;
}

std::string dimensionName(int id, int dim) {
    char name[NC_MAX_NAME + 1] = {};
    nc_inq_dimname(id, dim, name);
    return name;
}

// A variable named like one of its own dimensions is that dimension's coordinates.
bool isCoordinate(int id, int var) {
    int rank = 0;
    int dims[NC_MAX_VAR_DIMS];
    if (nc_inq_varndims(id, var, &rank) != NC_NOERR || rank != 1) return false;
    nc_inq_vardimid(id, var, dims);
    return dimensionName(id, dims[0]) == variableName(id, var);
}

// The grid variable: the one named, or the first of rank 2 or 3 of a numeric type that holds no
// coordinates.  -1 with the reason in why.
int findVariable(int id, const NetcdfNames& names, std::string& why) {
    int var = -1;
    if (names.variableGiven) {
        if (nc_inq_varid(id, names.variable.c_str(), &var) != NC_NOERR) {
            why = "has no variable " + names.variable;
            return -1;
        }
        return var;
    }
    int count = 0;
    nc_inq_nvars(id, &count);
    for (int v = 0; v < count; ++v) {
        int rank = 0;
        nc_type type;
        if (nc_inq_varndims(id, v, &rank) != NC_NOERR || nc_inq_vartype(id, v, &type) != NC_NOERR)
            continue;
        if ((rank == 2 || rank == 3) && isNumeric(type) && !isCoordinate(id, v)) return v;
    }
    why = "holds no 2-D variable (a grid over y and x)";
    return -1;
}

// The coordinates of dimension dim, from its coordinate variable.
bool readCoordinates(int id, int dim, std::vector<double>& c, std::string& why) {
    const std::string name = dimensionName(id, dim);
    int var = -1;
    int rank = 0;
    int dims[NC_MAX_VAR_DIMS];
    nc_type type;
    if (nc_inq_varid(id, name.c_str(), &var) != NC_NOERR ||
        nc_inq_varndims(id, var, &rank) != NC_NOERR || rank != 1 ||
        nc_inq_vardimid(id, var, dims) != NC_NOERR || dims[0] != dim ||
        nc_inq_vartype(id, var, &type) != NC_NOERR || !isNumeric(type)) {
        why = "dimension " + shownInMessage(name) + " has no coordinate variable, which gives a grid its positions";
        return false;
    }
    if (int status = nc_get_var_double(id, var, c.data()); status != NC_NOERR) {
        why = "coordinate " + shownInMessage(name) + " cannot be read: " + nc_strerror(status);
        return false;
    }
    return true;
}

// One axis of the grid: from gridconv's own header when the coordinates are exactly those it
// writes for it (so that the header's six numbers come back as the file held them), otherwise from
// the coordinates.  reversed: netCDF index i holds node n - 1 - i.
bool readAxis(int id, int dim, std::size_t n, const float* stored, GridAxis& axis, bool& reversed,
              std::string& why) {
    std::vector<double> c(n);
    if (!readCoordinates(id, dim, c, why)) return false;
    if (stored) {
        GridAxis held{stored[0], stored[1], stored[2]};
        if (gridCount(held) == static_cast<int>(n) &&
            increasingCoordinates(held, static_cast<int>(n)) == c) {
            axis = held;
            reversed = held.spacing < 0;
            return true;
        }
    }
    if (axisFromCoordinates(c, axis, reversed, why)) return true;
    why = "coordinate " + shownInMessage(dimensionName(id, dim)) + " " + why;
    return false;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        std::size_t end = text.find('\n', from);
        lines.push_back(text.substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) return lines;
        from = end + 1;
    }
}

bool looksLikeNetcdf(const std::string& bytes) {
    static const char hdf[8] = {'\x89', 'H', 'D', 'F', '\r', '\n', '\x1a', '\n'};
    if (bytes.size() >= 4 && bytes.compare(0, 3, "CDF") == 0 &&
        (bytes[3] == 1 || bytes[3] == 2 || bytes[3] == 5))
        return true;
    return bytes.size() >= 8 && std::memcmp(bytes.data(), hdf, 8) == 0;
}

}  // namespace

bool readNetcdfStack(const std::string& bytes, const std::string& fileName,
                     const NetcdfNames& names, const MissingValues& missing, GridStack& stack,
                     std::string& fault) {
    stack = GridStack{};
    if (!looksLikeNetcdf(bytes)) {
        fault = fileName + ": is not a netCDF file";
        return false;
    }
    if (bytes.compare(0, 3, "CDF") == 0 && !classicHeaderFits(bytes)) {
        fault = fileName + ": is not a netCDF file: its header does not fit in its " +
                std::to_string(bytes.size()) + " bytes";
        return false;
    }
    std::string memory = bytes;  // the library takes a pointer it may keep until closing
    OpenNetcdf nc;
    if (int status = nc_open_mem(fileName.c_str(), NC_NOWRITE, memory.size(), memory.data(), &nc.id);
        status != NC_NOERR) {
        nc.id = -1;
        fault = fileName + ": is not a netCDF file the library can read (" + nc_strerror(status) + ")";
        return false;
    }
    std::string why;
    const int var = findVariable(nc.id, names, why);
    if (var < 0) {
        fault = fileName + ": " + why;
        return false;
    }
    const std::string varName = shownInMessage(variableName(nc.id, var));
    auto refuse = [&](const std::string& what) {
        fault = fileName + ": variable " + varName + ": " + what;
        return false;
    };
    int rank = 0;
    nc_type type;
    nc_inq_varndims(nc.id, var, &rank);
    nc_inq_vartype(nc.id, var, &type);
    if (rank != 2 && rank != 3)
        return refuse("has " + std::to_string(rank) +
                      " dimensions; gridconv reads a grid (y, x) or a stack of them (time, y, x)");
    if (!isNumeric(type)) return refuse("holds no numbers");
    int dims[NC_MAX_VAR_DIMS];
    std::size_t lengths[3] = {1, 1, 1};
    nc_inq_vardimid(nc.id, var, dims);
    for (int d = 0; d < rank; ++d) nc_inq_dimlen(nc.id, dims[d], &lengths[3 - rank + d]);
    const std::size_t nt = lengths[0], ny = lengths[1], nx = lengths[2];
    if (nt == 0 || nx < 2 || ny < 2)
        return refuse("holds no grid: it needs at least 2 points along each of y and x");
    if (nx > MAX_GRID_VALUES || ny > MAX_GRID_VALUES / nx || nt > MAX_GRID_VALUES / (nx * ny))
        return refuse("holds " + std::to_string(nt) + " x " + std::to_string(ny) + " x " +
                      std::to_string(nx) + " values, more than the " +
                      std::to_string(MAX_GRID_VALUES) + " gridconv converts");

    float storedHeader[6];
    nc_type headerType;
    std::size_t headerLength = 0;
    bool haveHeader = nc_inq_att(nc.id, var, HEADER_ATTRIBUTE, &headerType, &headerLength) ==
                          NC_NOERR &&
                      headerType == NC_FLOAT && headerLength == 6 &&
                      nc_get_att_float(nc.id, var, HEADER_ATTRIBUTE, storedHeader) == NC_NOERR;
    GridHeader header;
    bool xReversed = false, yReversed = false;
    if (!readAxis(nc.id, dims[rank - 1], nx, haveHeader ? storedHeader : nullptr, header.x,
                  xReversed, why) ||
        !readAxis(nc.id, dims[rank - 2], ny, haveHeader ? storedHeader + 3 : nullptr, header.y,
                  yReversed, why))
        return refuse(why);
    header.nx = static_cast<int>(nx);
    header.ny = static_cast<int>(ny);

    std::vector<double> values(nt * ny * nx);
    if (int status = nc_get_var_double(nc.id, var, values.data()); status != NC_NOERR)
        return refuse("cannot be read: " + std::string(nc_strerror(status)));
    double fill = 0, missingValue = 0, scale = 1, offset = 0;
    const bool hasFill = numberAttribute(nc.id, var, "_FillValue", fill) || defaultFill(type, fill);
    const bool hasMissing = numberAttribute(nc.id, var, "missing_value", missingValue);
    // Unpacked only where asked: 0 * 1 + 0 would turn a -0 into 0.
    const bool scaled = numberAttribute(nc.id, var, "scale_factor", scale);
    const bool offsetGiven = numberAttribute(nc.id, var, "add_offset", offset);

    std::string layout, captions;
    textAttribute(nc.id, var, LAYOUT_ATTRIBUTE, layout);
    stack.layout = layout == HEATER_ROWS ? GridLayout::heaterRows : GridLayout::valuePerLine;
    std::vector<std::string> captionLines;
    if (textAttribute(nc.id, var, CAPTIONS_ATTRIBUTE, captions)) captionLines = splitLines(captions);
    if (captionLines.size() != nt) captionLines.clear();

    for (std::size_t t = 0; t < nt; ++t) {
        GridArray array;
        array.header = header;
        array.values.resize(nx * ny);
        if (!captionLines.empty())
            array.caption = captionLines[t];
        else if (nt > 1)
            array.caption = "array " + std::to_string(t + 1) + " of " + std::to_string(nt);
        for (std::size_t j = 0; j < ny; ++j)
            for (std::size_t i = 0; i < nx; ++i) {
                double raw = values[(t * ny + j) * nx + i];
                std::size_t yNode = yReversed ? ny - 1 - j : j;
                std::size_t xNode = xReversed ? nx - 1 - i : i;
                double v = raw;
                if (scaled) v *= scale;
                if (offsetGiven) v += offset;
                if (std::isnan(raw) || (hasFill && raw == fill) ||
                    (hasMissing && raw == missingValue)) {
                    if (!missing.replace)
                        return refuse(missingValueMessage(
                            std::isnan(raw) ? "NaN" : "fill value",
                            nodeCoordinate(header.x, int(xNode)),
                            nodeCoordinate(header.y, int(yNode))));
                    v = missing.value;
                } else if (!(std::fabs(v) <= FLT_MAX)) {
                    return refuse("holds a value beyond single precision, which the suite's grids "
                                  "hold, at x = " + exactFloatText(float(nodeCoordinate(header.x, int(xNode)))) +
                                  ", y = " + exactFloatText(float(nodeCoordinate(header.y, int(yNode)))));
                }
                std::size_t row = ny - 1 - yNode;
                array.values[row * nx + xNode] = static_cast<float>(v);
            }
        stack.arrays.push_back(std::move(array));
    }
    return true;
}
