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

#include "netcdf_layout.h"
#include "read_number.h"

namespace {

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

std::vector<double> increasingCoordinates(const GridAxis& axis, int n) {
    std::vector<double> c(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) c[static_cast<std::size_t>(i)] = nodeCoordinate(axis, i);
    if (axis.spacing < 0) std::reverse(c.begin(), c.end());
    return c;
}

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
