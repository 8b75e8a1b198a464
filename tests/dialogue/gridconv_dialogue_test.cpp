// gridconv: refusals on one line naming the file at fault, nothing written; and the netCDF files
// it writes as a netCDF reader sees them (ncdump from netcdf-bin): the suite grid's values at the
// same coordinates, north up.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "run_program.h"

namespace gridconv_dialogue {

const char* const GRID = "0 1 2\n0 1 1\n1\n2\n3\n4\n5\n6\n";
const char* const HEATER =
    "0 1 2\n-1 1 0\n   10   20   30\n   40   50   60\n^ at end of time step #1 time =  1\n"
    "0 1 2\n-1 1 0\n   11   21   31\n   41   51   61\n^ at end of time step #2 time =  2\n";

TEST(Gridconv, RefusalsNameTheFileAndWriteNothing) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } cases[] = {
        {{"missing.grd", "o.nc"}, 1, "gridconv: cannot open missing.grd\n"},
        {{"g.grd", "o.tif"},
         2,
         "gridconv: o.tif: unknown format; known are .grd (gridded-data file), .nc (netCDF), "
         ".asc (ESRI ASCII grid), .xyz and .txt (x y z text)\n"},
        {{"g.grd"},
         2,
         "gridconv: Usage: gridconv INPUT OUTPUT [--array N] [--name NAME] [--units U] "
         "[--long-name TEXT] [--xy-units U] [--fill VALUE]\n"},
        {{"g.grd", "o.nc", "--colour"},
         2,
         "gridconv: unknown option --colour (gridconv --help lists them)\n"},
        {{"g.grd", "o.nc", "--array", "0"},
         2,
         "gridconv: --array needs a whole number from 1, not 0\n"},
        {{"g.grd", "o.nc", "--fill", "1e39"},
         2,
         "gridconv: --fill needs a number within single precision, not 1e39\n"},
        {{"g.grd", "o.nc", "--name", "2z"},
         2,
         "gridconv: --name needs a letter followed by letters, digits or _, not 2z\n"},
        {{"g.grd", "o.nc", "--units"}, 2, "gridconv: --units needs a value\n"},
        {{"fake.nc", "o.grd"}, 1, "gridconv: fake.nc: is not a netCDF file\n"},
        {{"bad.grd", "o.nc"},
         1,
         "gridconv: Gridded-data file bad.grd, line 3, holds text that is not a number.\n"},
        {{"h.grd", "o.asc"},
         1,
         "gridconv: h.grd: holds 2 arrays, and an ESRI ASCII grid holds one; choose it with "
         "--array N\n"},
        {{"h.grd", "o.xyz", "--array", "3"},
         1,
         "gridconv: h.grd: holds 2 arrays; --array 3 is not one of them\n"},
        {{"s.grd", "o.asc"},
         1,
         "gridconv: s.grd: its x spacing 2 and y spacing 1 differ, and an ESRI ASCII grid has "
         "one cell size for both\n"},
        {{"gap.asc", "o.grd"},
         1,
         "gridconv: gap.asc:7: no value at x = 1, y = 0 (NODATA_value); give --fill VALUE to put "
         "a number there\n"},
        {{"g.grd", "./g.grd"},
         1,
         "gridconv: ./g.grd is an input of this run; name another output file\n"},
        // A damaged netCDF-4 file on which the HDF5 library under netCDF loops without end.
        {{"loops.nc", "o.grd"},
         1,
         "gridconv: loops.nc: the netCDF library did not finish reading it in 5 s of processor "
         "time; the file is damaged (a damaged netCDF-4 file can make the library loop)\n"},
    };
    const std::string loops = testData("gridconv/netcdf4-library-loops.nc");
    for (const Case& c : cases) {
        ProgramRun run = runTool(
            "gridconv", c.arguments,
            {{"g.grd", GRID},
             {"h.grd", HEATER},
             {"s.grd", "0 2 4\n0 1 1\n1\n2\n3\n4\n5\n6\n"},
             {"bad.grd", "0 1 2\n0 1 1\n1 2 x\n"},
             {"fake.nc", "netcdf fake { }\n"},
             {"loops.nc", loops},
             {"gap.asc", "ncols 2\nnrows 1\nxllcenter 0\nyllcenter 0\ncellsize 1\n"
                         "NODATA_value -9999\n1 -9999\n"}});
        EXPECT_EQ(c.status, run.status) << c.arguments[0];
        EXPECT_EQ(c.err, run.err);
        EXPECT_EQ("", run.out);
        for (const char* output : {"o.nc", "o.grd", "o.asc", "o.xyz", "o.tif"})
            EXPECT_FALSE(run.hasFile(output)) << output;
        EXPECT_EQ(GRID, run.file("g.grd"));
    }
    ProgramRun help = runTool("gridconv", {"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.out.find("Usage: gridconv INPUT OUTPUT"));
}

// heater's steps to netCDF and back, one of them by --array, and --fill where an ASCII grid has a
// gap.
TEST(Gridconv, ConvertsEveryWay) {
    ProgramRun run = runTool("gridconv", {"h.grd", "h.nc"}, {{"h.grd", HEATER}});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("Wrote h.nc\n", run.out);
    const std::string nc = run.file("h.nc");
    ProgramRun back = runTool("gridconv", {"h.nc", "back.grd"}, {{"h.nc", nc}});
    EXPECT_EQ(HEATER, back.file("back.grd"));
    ProgramRun second = runTool("gridconv", {"h.nc", "2.grd", "--array", "2"}, {{"h.nc", nc}});
    EXPECT_EQ("0 1 2\n-1 1 0\n   11   21   31\n   41   51   61\n^ at end of time step #2 time =  2\n",
              second.file("2.grd"));
    ProgramRun filled = runTool(
        "gridconv", {"gap.asc", "f.grd", "--fill", "0"},
        {{"gap.asc", "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 2\nNODATA_value -1\n"
                     "-1 5\n"}});
    EXPECT_EQ("1 2 3\n1 2 1\n0\n5\n", filled.file("f.grd"));
}

// The numbers of one variable in ncdump's data section ("name = 1, 2, ... ;").
std::vector<double> dumped(const std::string& dump, const std::string& name) {
    std::vector<double> values;
    std::size_t at = dump.find("\n " + name + " =", dump.find("\ndata:"));
    if (at == std::string::npos) return values;
    std::size_t end = dump.find(';', at);
    std::string text = dump.substr(at + name.size() + 4, end - at - name.size() - 4);
    for (char& c : text)
        if (c == ',') c = ' ';
    std::istringstream in(text);
    for (double v; in >> v;) values.push_back(v);
    return values;
}

TEST(Gridconv, NcdumpSeesTheGridsValuesNorthUp) {
    if (std::system("command -v ncdump >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ncdump (Debian package netcdf-bin) is not installed";
    struct Case {
        const char* file;
        int arrays, nx, ny;
        float x0, dx, y0, dy;
    } cases[] = {
        {"maps/elevations.grd", 1, 21, 17, 0, 50, 0, 50},
        {"maps/heater-steps.grd", 4, 15, 11, 0, 8.66029f, -50, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string grd = testData(c.file);
        ProgramRun run = runTool("gridconv", {"in.grd", "out.nc"}, {{"in.grd", grd}});
        ASSERT_EQ(0, run.status) << run.err;
        std::string dump;
        FILE* pipe = popen(("ncdump " + (run.dir / "work" / "out.nc").string()).c_str(), "r");
        ASSERT_NE(nullptr, pipe);
        char block[4096];
        for (std::size_t n; (n = fread(block, 1, sizeof block, pipe)) > 0;) dump.append(block, n);
        ASSERT_EQ(0, pclose(pipe));
        EXPECT_NE(std::string::npos, dump.find(":Conventions = \"CF-1.8\""));
        const std::vector<double> xs = dumped(dump, "x"), ys = dumped(dump, "y"),
                                  zs = dumped(dump, "z");
        ASSERT_EQ(std::size_t(c.nx), xs.size());
        ASSERT_EQ(std::size_t(c.ny), ys.size());
        ASSERT_EQ(std::size_t(c.arrays * c.nx * c.ny), zs.size());
        for (int i = 0; i < c.nx; ++i) EXPECT_NEAR(c.x0 + i * double(c.dx), xs[i], 1e-9);
        for (int j = 0; j < c.ny; ++j) EXPECT_NEAR(c.y0 + j * double(c.dy), ys[j], 1e-9);
        // The gridded-data file: for each array its header, then its values from the top row;
        // ncdump's rows run from y minimum up, so its last row is the file's first.
        std::istringstream in(grd);
        std::string line;
        for (int t = 0; t < c.arrays; ++t) {
            std::getline(in, line), std::getline(in, line);
            std::vector<float> file;
            for (int k = 0; k < c.nx * c.ny; ++k) {
                float v;
                in >> v;
                file.push_back(v);
            }
            std::getline(in, line);
            if (c.arrays > 1) std::getline(in, line);  // heater's caption
            for (int j = 0; j < c.ny; ++j)
                for (int i = 0; i < c.nx; ++i)
                    ASSERT_EQ(file[std::size_t((c.ny - 1 - j) * c.nx + i)],
                              float(zs[std::size_t((t * c.ny + j) * c.nx + i)]))
                        << "array " << t << " x " << xs[i] << " y " << ys[j];
        }
    }
}

}  // namespace gridconv_dialogue
