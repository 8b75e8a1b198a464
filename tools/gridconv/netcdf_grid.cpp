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
#include "read_number.h"

namespace {

const char* const HEADER_ATTRIBUTE = "grd_header";
const char* const LAYOUT_ATTRIBUTE = "grd_layout";
const char* const CAPTIONS_ATTRIBUTE = "grd_captions";
const char* const HEATER_ROWS = "heater rows";
const char* const VALUE_PER_LINE = "value per line";

// ---------------------------------------------------------------- writing

// The library's calls in a row: the first failure is kept, and later calls are skipped.
struct NetcdfWriter {
    int id = -1;
    int status = NC_NOERR;
    bool go(int result) {
        if (status == NC_NOERR) status = result;
        return status == NC_NOERR;
    }
    void text(int var, const char* name, const std::string& value) {
        if (status == NC_NOERR) go(nc_put_att_text(id, var, name, value.size(), value.data()));
    }
    int dimension(const char* name, std::size_t length) {
        int dim = -1;
        if (status == NC_NOERR) go(nc_def_dim(id, name, length, &dim));
        return dim;
    }
    int variable(const char* name, nc_type type, int rank, const int* dims) {
        int var = -1;
        if (status == NC_NOERR) go(nc_def_var(id, name, type, rank, dims, &var));
        return var;
    }
};

// The step times heater's captions give ("... time =   10"), when every array has one and they
// increase; otherwise the arrays' numbers from 1.
std::vector<double> stepTimes(const GridStack& stack) {
    std::vector<double> times;
    for (const GridArray& array : stack.arrays) {
        std::size_t at = array.caption.rfind("time =");
        double t = 0;
        std::istringstream in(at == std::string::npos ? "" : array.caption.substr(at + 6));
        if (at == std::string::npos || !readReal(in, t) || !std::isfinite(t) ||
            (!times.empty() && !(t > times.back())))
            break;
        times.push_back(t);
    }
    if (times.size() == stack.arrays.size()) return times;
    times.clear();
    for (std::size_t i = 1; i <= stack.arrays.size(); ++i) times.push_back(double(i));
    return times;
}

// Coordinates increasing, as CF readers expect: an axis written with a negative spacing (its
// minimum above its maximum) is stored from its far end.
std::vector<double> increasingCoordinates(const GridAxis& axis, int n) {
    std::vector<double> c(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) c[static_cast<std::size_t>(i)] = nodeCoordinate(axis, i);
    if (axis.spacing < 0) std::reverse(c.begin(), c.end());
    return c;
}

// A fill value that no value of the stack equals, so that no value comes back as a gap.
bool chooseFill(const GridStack& stack, float& fill) {
    for (float candidate : {NC_FILL_FLOAT, -NC_FILL_FLOAT, FLT_MAX, -FLT_MAX}) {
        bool used = false;
        for (const GridArray& array : stack.arrays)
            used = used || std::find(array.values.begin(), array.values.end(), candidate) !=
                               array.values.end();
        if (!used) {
            fill = candidate;
            return true;
        }
    }
    return false;
}

void defineAxis(NetcdfWriter& nc, int var, const char* name, const char* standardName,
                const char* axis, const std::string& units) {
    nc.text(var, "standard_name", standardName);
    nc.text(var, "long_name", name);
    nc.text(var, "axis", axis);
    if (!units.empty()) nc.text(var, "units", units);
}

}  // namespace

bool netcdfBytes(const GridStack& stack, const std::string& sourceName, const NetcdfNames& names,
                 std::string& bytes, std::string& fault) {
    const GridHeader& h = stack.arrays.front().header;
    for (const GridArray& array : stack.arrays)
        if (array.header.nx != h.nx || array.header.ny != h.ny ||
            std::memcmp(&array.header.x, &h.x, sizeof h.x) != 0 ||
            std::memcmp(&array.header.y, &h.y, sizeof h.y) != 0) {
            fault = sourceName +
                    ": its arrays lie on different grids, which one netCDF variable cannot hold; "
                    "choose one with --array N";
            return false;
        }
    float fill = 0;
    if (!chooseFill(stack, fill)) {
        fault = sourceName + ": its values leave no number free for the netCDF fill value";
        return false;
    }
    const bool stacked = stack.arrays.size() > 1;
    // The attributes name the source without its folder: the same grid gives the same file
    // wherever it was converted.
    const std::string source = std::filesystem::path(sourceName).filename().string();
    NetcdfWriter nc;
    if (!nc.go(nc_create_mem("gridconv", NC_CLOBBER, 0, &nc.id))) {
        fault = sourceName + ": the netCDF library cannot create a file: " + nc_strerror(nc.status);
        return false;
    }
    nc.text(NC_GLOBAL, "Conventions", "CF-1.8");
    nc.text(NC_GLOBAL, "title", names.longName.empty() ? source : names.longName);
    nc.text(NC_GLOBAL, "source", "gridconv from " + source);
    int dims[3];
    int rank = 0;
    if (stacked) dims[rank++] = nc.dimension("time", NC_UNLIMITED);
    dims[rank++] = nc.dimension("y", static_cast<std::size_t>(h.ny));
    dims[rank++] = nc.dimension("x", static_cast<std::size_t>(h.nx));
    int timeVar = -1;
    if (stacked) {
        timeVar = nc.variable("time", NC_DOUBLE, 1, &dims[0]);
        // heater's times carry the units its dialogue was given in, which the file does not
        // know: no units attribute rather than a wrong one.
        nc.text(timeVar, "long_name", "running time of the step");
        nc.text(timeVar, "axis", "T");
    }
    const int yVar = nc.variable("y", NC_DOUBLE, 1, &dims[rank - 2]);
    defineAxis(nc, yVar, "y", "projection_y_coordinate", "Y", names.coordinateUnits);
    const int xVar = nc.variable("x", NC_DOUBLE, 1, &dims[rank - 1]);
    defineAxis(nc, xVar, "x", "projection_x_coordinate", "X", names.coordinateUnits);
    const int var = nc.variable(names.variable.c_str(), NC_FLOAT, rank, dims);
    if (nc.status == NC_NOERR) nc.go(nc_put_att_float(nc.id, var, "_FillValue", NC_FLOAT, 1, &fill));
    nc.text(var, "long_name", names.longName.empty() ? names.variable + " from " + source
                                                     : names.longName);
    if (!names.units.empty()) nc.text(var, "units", names.units);
    float range[2] = {FLT_MAX, -FLT_MAX};
    for (const GridArray& array : stack.arrays)
        for (float v : array.values) range[0] = std::min(range[0], v), range[1] = std::max(range[1], v);
    if (nc.status == NC_NOERR) nc.go(nc_put_att_float(nc.id, var, "actual_range", NC_FLOAT, 2, range));
    const float header[6] = {h.x.min, h.x.spacing, h.x.max, h.y.min, h.y.spacing, h.y.max};
    if (nc.status == NC_NOERR)
        nc.go(nc_put_att_float(nc.id, var, HEADER_ATTRIBUTE, NC_FLOAT, 6, header));
    nc.text(var, LAYOUT_ATTRIBUTE,
            stack.layout == GridLayout::heaterRows ? HEATER_ROWS : VALUE_PER_LINE);
    std::string captions;
    bool anyCaption = false;
    for (const GridArray& array : stack.arrays) {
        if (&array != &stack.arrays.front()) captions += '\n';
        captions += array.caption;
        anyCaption = anyCaption || !array.caption.empty();
    }
    if (anyCaption) nc.text(var, CAPTIONS_ATTRIBUTE, captions);
    if (nc.status == NC_NOERR) nc.go(nc_enddef(nc.id));

    const std::vector<double> ys = increasingCoordinates(h.y, h.ny);
    const std::vector<double> xs = increasingCoordinates(h.x, h.nx);
    if (nc.status == NC_NOERR) nc.go(nc_put_var_double(nc.id, yVar, ys.data()));
    if (nc.status == NC_NOERR) nc.go(nc_put_var_double(nc.id, xVar, xs.data()));
    const std::vector<double> times = stepTimes(stack);
    std::vector<float> plane(static_cast<std::size_t>(h.nx) * h.ny);
    for (std::size_t t = 0; t < stack.arrays.size() && nc.status == NC_NOERR; ++t) {
        const GridArray& array = stack.arrays[t];
        // netCDF row j lies at ys[j]: the gridded-data file's rows run from y maximum down.
        for (int j = 0; j < h.ny; ++j)
            for (int i = 0; i < h.nx; ++i) {
                int row = h.y.spacing > 0 ? h.ny - 1 - j : j;
                int column = h.x.spacing > 0 ? i : h.nx - 1 - i;
                plane[static_cast<std::size_t>(j) * h.nx + i] = array.at(column, row);
            }
        std::size_t start[3] = {t, 0, 0}, count[3] = {1, std::size_t(h.ny), std::size_t(h.nx)};
        if (!stacked) start[0] = 0, count[0] = std::size_t(h.ny), count[1] = std::size_t(h.nx);
        nc.go(nc_put_vara_float(nc.id, var, start, count, plane.data()));
        if (stacked) {
            nc.go(nc_put_var1_double(nc.id, timeVar, &t, &times[t]));
        }
    }
    NC_memio memory{};
    if (nc.status != NC_NOERR) {
        nc_abort(nc.id);
    } else {
        nc.go(nc_close_memio(nc.id, &memory));
    }
    if (nc.status != NC_NOERR) {
        fault = sourceName + ": the netCDF library cannot write it: " + nc_strerror(nc.status);
        return false;
    }
    bytes.assign(static_cast<const char*>(memory.memory), memory.size);
    std::free(memory.memory);
    return true;
}

// ---------------------------------------------------------------- reading

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
