// The largest picture hypoview draws: a 101 x 101 surface (20200 mesh lines) and 2500
// hypocentres, projected into a metafile and then fitted to the plot rectangle.  Runs in a
// temporary folder, since the fitting pass leaves its scratch file in the working directory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "data_extent.h"
#include "drawing.h"
#include "hypoview_data.h"
#include "projection.h"
#include "scale_to_fit.h"
#include "title_lines.h"

namespace {

struct Picture {
    std::unique_ptr<SurfaceGrid> surface = std::make_unique<SurfaceGrid>();
    std::unique_ptr<Hypocenters> hypocenters = std::make_unique<Hypocenters>();
    Extent extent{};
    ViewFrame frame{};
    Vec3 eye{};

    Picture() {
        GridHeader& h = surface->header;
        h.x = {0, 10, 1000};
        h.y = {0, 10, 1000};
        h.nx = h.ny = NTGRID;
        surface->npoints = NTGRID * NTGRID;
        for (int ix = 0; ix < NTGRID; ++ix)
            for (int iy = 0; iy < NTGRID; ++iy)
                surface->grid[ix][iy] = float(50 * std::sin(ix * 0.1) * std::cos(iy * 0.07));
        for (int j = 0; j < MAX_HYPOCENTERS; ++j) {
            hypocenters->hx[j] = float((j * 37) % 1000);
            hypocenters->hy[j] = float((j * 53) % 1000);
            hypocenters->hz[j] = float(-5 - (j * 11) % 300);
        }
        hypocenters->nh = MAX_HYPOCENTERS;
        extent = dataExtent(*hypocenters, *surface);
        eye = {-800, -1500, 900};
        frame = viewFrame(dataCenter(extent), eye);
    }
};

const Picture& picture() {
    static const Picture p;
    return p;
}

// The working folder for the whole run, so that the scratch file lands in it.
class ScratchFolder {
  public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("hypoview_bench_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }

  private:
    std::filesystem::path path_, previous_;
};

void BM_DrawPicture(benchmark::State& state) {
    const Picture& p = picture();
    for (auto _ : state) {
        std::ostringstream metafile;
        drawPicture(metafile, p.extent, *p.surface, *p.hypocenters, p.frame);
        benchmark::DoNotOptimize(metafile.tellp());
    }
}
BENCHMARK(BM_DrawPicture)->Unit(benchmark::kMillisecond);

// As the program does it: titles and drawing into the file, closed, then fitted in place.
void BM_DrawAndScaleToFit(benchmark::State& state) {
    const Picture& p = picture();
    ScratchFolder folder;
    std::ostringstream console;
    std::streambuf* consoleBuffer = std::cout.rdbuf(console.rdbuf());
    for (auto _ : state) {
        {
            std::ofstream metafile("bench.skm");
            writeViewpointTitle(metafile, p.eye);
            drawPicture(metafile, p.extent, *p.surface, *p.hypocenters, p.frame);
        }
        scaleToFit<float>("bench.skm");
        console.str("");
    }
    std::cout.rdbuf(consoleBuffer);
}
BENCHMARK(BM_DrawAndScaleToFit)->Unit(benchmark::kMillisecond);

}  // namespace
