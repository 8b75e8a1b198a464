#include <gtest/gtest.h>

#include <netcdf.h>
#include <netcdf_mem.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ascii_grid.h"
#include "grd_text.h"
#include "gridconv_arguments.h"
#include "netcdf_grid.h"
#include "xyz_text.h"

namespace {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The gridded-data file text through the format and back, or the first refusal on the way.
std::string roundTrip(const std::string& grd, GridFormat format) {
    GridStack stack, back;
    std::string fault, bytes;
    if (!readGrdStack(grd, "in.grd", stack, fault)) return fault;
    const MissingValues none;
    bool ok = false;
    switch (format) {
        case GridFormat::netcdf:
            ok = netcdfBytes(stack, "in.grd", NetcdfNames{}, bytes, fault) &&
                 readNetcdfStack(bytes, "out.nc", NetcdfNames{}, none, back, fault);
            break;
        case GridFormat::asciiGrid:
            ok = asciiGridText(stack.arrays[0], "in.grd", bytes, fault) &&
                 readAsciiGrid(bytes, "out.asc", none, back, fault);
            break;
        case GridFormat::xyz:
            bytes = xyzText(stack.arrays[0]);
            ok = readXyzText(bytes, "out.xyz", none, back, fault);
            break;
        case GridFormat::grd:
            ok = readGrdStack(grdText(stack), "out.grd", back, fault);
            break;
    }
    return ok ? grdText(back) : fault;
}

// A netCDF file made in memory by the test, as another program would write it: a float variable
// v over the dimensions named (the last two with the coordinates given), values row by row.
struct ForeignGrid {
    std::vector<std::string> dims{"y", "x"};
    std::vector<double> ys{0, 1}, xs{0, 1, 2};
    std::size_t steps = 1;
    std::vector<float> values{1, 2, 3, 4, 5, 6};
    bool fillAttribute = false;
    float fill = -9999;
    bool coordinates = true;

    std::string bytes() const {
        int id = -1, dimIds[3], var = -1, xVar = -1, yVar = -1;
        EXPECT_EQ(NC_NOERR, nc_create_mem("t", NC_CLOBBER, 4096, &id));
        std::size_t lengths[3] = {steps, ys.size(), xs.size()};
        const std::size_t rank = dims.size();
        for (std::size_t d = 0; d < rank; ++d)
            nc_def_dim(id, dims[d].c_str(), lengths[3 - rank + d], &dimIds[d]);
        if (coordinates) {
            nc_def_var(id, dims[rank - 2].c_str(), NC_DOUBLE, 1, &dimIds[rank - 2], &yVar);
            nc_def_var(id, dims[rank - 1].c_str(), NC_DOUBLE, 1, &dimIds[rank - 1], &xVar);
        }
        nc_def_var(id, "v", NC_FLOAT, int(rank), dimIds, &var);
        if (fillAttribute) nc_put_att_float(id, var, "_FillValue", NC_FLOAT, 1, &fill);
        nc_enddef(id);
        if (coordinates) {
            nc_put_var_double(id, yVar, ys.data());
            nc_put_var_double(id, xVar, xs.data());
        }
        if (!values.empty()) nc_put_var_float(id, var, values.data());
        NC_memio memory{};
        EXPECT_EQ(NC_NOERR, nc_close_memio(id, &memory));
        std::string text(static_cast<const char*>(memory.memory), memory.size);
        std::free(memory.memory);
        return text;
    }
};

// The grid read from a netCDF file as gridded-data text, or the refusal.
std::string fromNetcdf(const std::string& bytes, MissingValues missing = {},
                       NetcdfNames names = {}) {
    GridStack stack;
    std::string fault;
    if (!readNetcdfStack(bytes, "f.nc", names, missing, stack, fault)) return fault;
    return grdText(stack);
}

}  // namespace

// gridder's and heater's own files come back byte for byte from every format that can hold them;
// the others refuse with the reason.
TEST(Gridconv, RoundTripsGiveTheSuitesFilesBackByteForByte) {
    const std::string asciiRefusal =
        "in.grd: its x spacing 8.66029 and y spacing 5 differ, and an ESRI ASCII grid has one "
        "cell size for both";
    struct Case {
        const char* file;
        GridFormat format;
        std::string refusal;  // "" when the file comes back whole
    } cases[] = {
        {"maps/elevations.grd", GridFormat::netcdf, ""},
        {"maps/elevations.grd", GridFormat::asciiGrid, ""},
        {"maps/elevations.grd", GridFormat::xyz, ""},
        {"maps/deviations.grd", GridFormat::netcdf, ""},
        {"maps/deviations.grd", GridFormat::asciiGrid, ""},
        {"maps/deviations.grd", GridFormat::xyz, ""},
        {"../../examples/hypoview/topo.grd", GridFormat::netcdf, ""},
        {"../../examples/hypoview/topo.grd", GridFormat::asciiGrid, ""},
        {"../../examples/hypoview/topo.grd", GridFormat::xyz, ""},
        {"maps/subduction.grd", GridFormat::netcdf, ""},
        {"maps/subduction.grd", GridFormat::asciiGrid, asciiRefusal},
        {"maps/heater-steps.grd", GridFormat::netcdf, ""},  // four arrays along time
        {"maps/heater-steps.grd", GridFormat::grd, ""},
    };
    for (const Case& c : cases) {
        const std::string grd = dataFile(c.file);
        ASSERT_FALSE(grd.empty()) << c.file;
        const std::string back = roundTrip(grd, c.format);
        if (c.refusal.empty())
            EXPECT_EQ(grd, back) << c.file << " format " << int(c.format);
        else
            EXPECT_EQ(c.refusal, back) << c.file;
    }
}

// Grids made by hand in the corners of the format: negative spacings, a value equal to the
// netCDF default fill value, nine-digit headers, a -0 and values at the ends of single
// precision.
TEST(Gridconv, RoundTripsKeepUnusualGridsWhole) {
    const std::string westward = "10 -5 0\n0 5 5\n1\n2\n3\n4\n5\n6\n";
    const std::string southFirst = "0 5 10\n5 -5 0\n1\n2\n3\n4\n5\n6\n";
    const std::string fillTaken = "0 1 1\n0 1 1\n9.96921e+036\n-0\n3.40282e+038\n-1e-037\n";
    const std::string nineDigits = "1234567 0.5 1234568\n0 0.5 0.5\n1\n2\n3\n4\n5\n6\n";
    struct Case {
        const std::string& grd;
        GridFormat format;
        std::string back;  // "" when the file comes back whole
    } cases[] = {
        // netCDF keeps the header as written; the others hold the same grid from west and south
        {westward, GridFormat::netcdf, ""},
        {westward, GridFormat::asciiGrid, "0 5 10\n0 5 5\n3\n2\n1\n6\n5\n4\n"},
        {westward, GridFormat::xyz, "0 5 10\n0 5 5\n3\n2\n1\n6\n5\n4\n"},
        {southFirst, GridFormat::netcdf, ""},
        {southFirst, GridFormat::asciiGrid, "0 5 10\n0 5 5\n4\n5\n6\n1\n2\n3\n"},
        // a value equal to netCDF's default fill value is no gap; -0 and the ends of the range
        {fillTaken, GridFormat::netcdf, ""},
        {fillTaken, GridFormat::asciiGrid, ""},
        {fillTaken, GridFormat::xyz, ""},
        {nineDigits, GridFormat::netcdf, ""},
        {nineDigits, GridFormat::asciiGrid, ""},
        {nineDigits, GridFormat::xyz, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.back.empty() ? c.grd : c.back, roundTrip(c.grd, c.format))
            << c.grd << " format " << int(c.format);
}

// Each grid read into the suite must be whole: gaps only with --fill, one spacing per axis.
TEST(Gridconv, NetcdfGridsAreReadNorthUpOrRefused) {
    ForeignGrid plain;
    EXPECT_EQ("0 1 2\n0 1 1\n4\n5\n6\n1\n2\n3\n", fromNetcdf(plain.bytes()));

    ForeignGrid southward = plain;  // north first, as many map files are stored
    southward.ys = {1, 0};
    EXPECT_EQ("0 1 2\n0 1 1\n1\n2\n3\n4\n5\n6\n", fromNetcdf(southward.bytes()));

    ForeignGrid gap = plain;
    gap.fillAttribute = true;
    gap.values[4] = -9999;
    EXPECT_EQ("f.nc: variable v: no value at x = 1, y = 1 (fill value); give --fill VALUE to put "
              "a number there",
              fromNetcdf(gap.bytes()));
    EXPECT_EQ("0 1 2\n0 1 1\n4\n0.5\n6\n1\n2\n3\n", fromNetcdf(gap.bytes(), {true, 0.5f}));

    ForeignGrid nan = plain;
    nan.values[0] = std::nanf("");
    EXPECT_EQ("f.nc: variable v: no value at x = 0, y = 0 (NaN); give --fill VALUE to put a "
              "number there",
              fromNetcdf(nan.bytes()));

    ForeignGrid uneven = plain;
    uneven.xs = {0, 1, 2.5};
    EXPECT_EQ("f.nc: variable v: coordinate x is not equally spaced (1 is off the step 1.25); a "
              "gridded-data file needs one spacing",
              fromNetcdf(uneven.bytes()));

    ForeignGrid noCoordinates = plain;
    noCoordinates.coordinates = false;
    EXPECT_EQ("f.nc: variable v: dimension x has no coordinate variable, which gives a grid its "
              "positions",
              fromNetcdf(noCoordinates.bytes()));

    ForeignGrid line = plain;
    line.dims = {"x"};
    line.values = {1, 2, 3};
    line.coordinates = false;
    EXPECT_EQ("f.nc: holds no 2-D variable (a grid over y and x)", fromNetcdf(line.bytes()));

    NetcdfNames other;
    other.variable = "elevation";
    other.variableGiven = true;
    EXPECT_EQ("f.nc: has no variable elevation", fromNetcdf(plain.bytes(), {}, other));

    ForeignGrid large = plain;  // 2001 x 2000 values: beyond the bound, refused before reading
    large.ys.resize(2001);
    large.xs.resize(2000);
    for (std::size_t i = 0; i < large.ys.size(); ++i) large.ys[i] = double(i);
    for (std::size_t i = 0; i < large.xs.size(); ++i) large.xs[i] = double(i);
    large.values.clear();
    EXPECT_EQ("f.nc: variable v: holds 1 x 2001 x 2000 values, more than the 4000000 gridconv "
              "converts",
              fromNetcdf(large.bytes()));

    EXPECT_EQ("f.nc: is not a netCDF file", fromNetcdf("0 1 2\n0 1 1\n1 2 3 4 5 6\n"));
    const std::string broken = fromNetcdf(std::string("\x89HDF\r\n\x1a\n", 8) + std::string(99, 'x'));
    EXPECT_EQ("f.nc: is not a netCDF file the library can read (",
              broken.substr(0, broken.find('(') + 1));
    // Counts in the header that the file cannot hold are refused before the library sees them:
    // the library would first allocate what they ask for (here 4 GiB for one name).
    EXPECT_EQ("f.nc: is not a netCDF file: its header does not fit in its 24 bytes",
              fromNetcdf(std::string("CDF\x01", 4) + std::string(20, '\xff')));
    EXPECT_EQ("f.nc: is not a netCDF file: its header does not fit in its 440 bytes",
              fromNetcdf(dataFile("../fuzz/regressions/tools_gridconv_netcdf_fuzz/"
                                  "name-length-of-4-gib.nc")));
    // A name from the file with a line end in it (the library writes none, a broken file may
    // hold one) is shown escaped, so that the refusal stays one line.
    EXPECT_EQ("f.nc: variable elevation: dimension lo\\x0a has no coordinate variable, which "
              "gives a grid its positions",
              fromNetcdf(dataFile("../fuzz/regressions/tools_gridconv_netcdf_fuzz/"
                                  "line-end-in-a-dimension-name.nc")));
    // Every classic format the library writes passes the check.
    ForeignGrid sample;
    for (int format : {NC_FORMAT_CLASSIC, NC_FORMAT_64BIT_OFFSET, NC_FORMAT_CDF5}) {
        nc_set_default_format(format, nullptr);
        EXPECT_EQ("0 1 2\n0 1 1\n4\n5\n6\n1\n2\n3\n", fromNetcdf(sample.bytes())) << format;
    }
    nc_set_default_format(NC_FORMAT_CLASSIC, nullptr);
}

// The file holds what the grid needs and no more: the library's memory is not handed on whole.
TEST(Gridconv, NetcdfFilesAreNoLargerThanTheirContents) {
    GridStack stack;
    std::string fault, bytes;
    ASSERT_TRUE(readGrdStack("0 1 2\n0 1 1\n1\n2\n3\n4\n5\n6\n", "g.grd", stack, fault));
    ASSERT_TRUE(netcdfBytes(stack, "g.grd", NetcdfNames{}, bytes, fault));
    EXPECT_LT(bytes.size(), 1024u);
}

// A stack from another program: one array per step, captioned with its number.
TEST(Gridconv, NetcdfStacksBecomeArraysWithCaptions) {
    ForeignGrid stack;
    stack.dims = {"t", "y", "x"};
    stack.steps = 2;
    stack.values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ("0 1 2\n0 1 1\n4\n5\n6\n1\n2\n3\narray 1 of 2\n"
              "0 1 2\n0 1 1\n10\n11\n12\n7\n8\n9\narray 2 of 2\n",
              fromNetcdf(stack.bytes()));
}

TEST(Gridconv, AsciiGridsAreReadAtTheirNodesOrRefusedWithTheLine) {
    struct Case {
        const char* text;
        MissingValues missing;
        const char* read;
    } cases[] = {
        {"ncols 3\nnrows 2\nxllcenter 0\nyllcenter 0\ncellsize 1\n1 2 3\n4 5 6\n", {},
         "0 1 2\n0 1 1\n1\n2\n3\n4\n5\n6\n"},
        // corners: the nodes lie at the cell centres; keywords in any case; CR LF
        {"NCOLS 2\r\nNROWS 2\r\nXLLCORNER 0\r\nYLLCORNER 10\r\nCELLSIZE 2\r\n1 2\r\n3 4\r\n", {},
         "1 2 3\n11 2 13\n1\n2\n3\n4\n"},
        {"ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\nNODATA_value -9999\n1 -9999\n",
         {},
         "in.asc:7: no value at x = 1, y = 0 (NODATA_value); give --fill VALUE to put a number "
         "there"},
        {"ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\nNODATA_value -9999\n1 -9999\n",
         {true, 7}, "0 1 1\n0 1 0\n1\n7\n"},
        {"ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\nnan 1\n", {},
         "in.asc:6: no value at x = 0, y = 0 (NaN); give --fill VALUE to put a number there"},
        {"ncols 2\nnrows 2\nxllcenter 0\nyllcenter 0\ncellsize 1\n1 2\n3\n", {},
         "in.asc:7: ends after 3 of its 4 values"},
        {"ncols 1\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\n1\n2\n", {},
         "in.asc:7: holds more than the 1 values its header gives"},
        {"ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\n1 1e39\n", {},
         "in.asc:6: \"1e39\" is beyond single precision, which the suite's grids hold"},
        {"ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\n1 x\n", {},
         "in.asc:6: \"x\" is not a number"},
        {"ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\n1 \x01\n", {},
         "in.asc:6: \"\\x01\" is not a number"},
        {"ncols 2\nnrows 1\ncellsize 1\n1 2\n", {},
         "in.asc:4: the header needs ncols and nrows (whole numbers from 1), xllcorner or "
         "xllcenter, yllcorner or yllcenter, and a positive cellsize before the values"},
        {"ncols 2.5\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\n1 2\n", {},
         "in.asc:6: the header needs ncols and nrows (whole numbers from 1), xllcorner or "
         "xllcenter, yllcorner or yllcenter, and a positive cellsize before the values"},
        {"ncols 2\nncols 2\n", {}, "in.asc:2: ncols is given twice"},
        {"ncols\n2\n", {}, "in.asc:1: ncols needs a number on its line"},
        {"ncols 2 3\n", {}, "in.asc:1: ncols takes one number"},
        {"yllcente\x06\n", {}, "in.asc:1: yllcente\\x06 needs a number on its line"},
        {"rows 2\n", {}, "in.asc:1: \"rows\" is no keyword of an ESRI ASCII grid header"},
        {"ncols 3000\nnrows 3000\nxllcenter 0\nyllcenter 0\ncellsize 1\n", {},
         "in.asc:5: holds more than the 4000000 values gridconv converts"},
        {"ncols 3\nnrows 1\nxllcenter 1e7\nyllcenter 0\ncellsize 0.1\n1 2 3\n", {},
         "in.asc:6: the header gives a grid that single precision cannot hold (a cell size too "
         "small for its coordinates, or coordinates beyond its range)"},
    };
    for (const Case& c : cases) {
        GridStack stack;
        std::string fault;
        bool read = readAsciiGrid(c.text, "in.asc", c.missing, stack, fault);
        EXPECT_EQ(c.read, read ? grdText(stack) : fault) << c.text;
    }
}

TEST(Gridconv, XyzTextMustMakeAWholeGrid) {
    struct Case {
        const char* text;
        const char* read;
    } cases[] = {
        // any order, comments and blank lines passed over
        {"# x y z\n1 0 2\n0 0 1\n\n0 1 3\n1 1 4\n", "0 1 1\n0 1 1\n3\n4\n1\n2\n"},
        {"0 0 1\n1 0 2\n0 1 3\n", "in.xyz: its 3 lines are no whole grid of one value at each of "
                                  "its 2 x and 2 y positions"},
        {"0 0 1\n1 0 2\n0 1 3\n0 1 4\n", "in.xyz:4: repeats a node of an earlier line"},
        {"0 0 1\n1 0 2\n3 0 3\n", "in.xyz: its x positions is not equally spaced (1 is off the "
                                  "step 1.5); a gridded-data file needs one spacing"},
        {"0 0 1\n1 0 nan\n0 1 2\n1 1 3\n", "in.xyz:2: no value at x = 1, y = 0 (NaN); give --fill VALUE to put "
                             "a number there"},
        {"0 0\n", "in.xyz:1: needs three numbers, x y z, on each line"},
        {"0 0 1 2\n", "in.xyz:1: holds more than x y z"},
        {"0 a 1\n", "in.xyz:1: \"a\" is not a number"},
        {"\n# nothing\n", "in.xyz: holds no x y z line"},
        {"0 0 1\n", "in.xyz: its x positions has fewer than 2 points, which give no spacing"},
    };
    for (const Case& c : cases) {
        GridStack stack;
        std::string fault;
        bool read = readXyzText(c.text, "in.xyz", {}, stack, fault);
        EXPECT_EQ(c.read, read ? grdText(stack) : fault) << c.text;
    }
}

TEST(Gridconv, FormatsAreToldByExtension) {
    struct Case {
        const char* name;
        bool known;
        GridFormat format;
    } cases[] = {
        {"a.grd", true, GridFormat::grd},          {"dir.v2/a.NC", true, GridFormat::netcdf},
        {"a.asc", true, GridFormat::asciiGrid},    {"a.xyz", true, GridFormat::xyz},
        {"a.txt", true, GridFormat::xyz},          {"a.tif", false, GridFormat::grd},
        {"dir.nc/grid", false, GridFormat::grd},   {"nc", false, GridFormat::grd},
    };
    for (const Case& c : cases) {
        GridFormat format = GridFormat::grd;
        EXPECT_EQ(c.known, gridFormatOf(c.name, format)) << c.name;
        if (c.known) {
            EXPECT_EQ(c.format, format) << c.name;
        }
    }
}
