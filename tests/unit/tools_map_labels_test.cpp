// Maps measured as a reader sees them: the label boxes, dots, frame and lines are read back from
// the picture and checked against each other with geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <regex>
#include <set>
#include <sstream>

#include "colour_scale.h"
#include "grid_arrays.h"
#include "grid_map.h"
#include "label_boxes.h"
#include "point_file.h"
#include "text_width.h"

namespace {

struct Label {
    LabelBox box;
    std::string text;
};

struct Picture {
    std::string svg;
    PlotArea frame;
    std::vector<Label> labels;
    std::vector<LabelBox> dots;
    std::vector<std::pair<PlotPoint, PlotPoint>> segments;  // of the contour lines
};

std::string between(const std::string& s, const std::string& from, const std::string& to) {
    std::size_t a = s.find(from);
    if (a == std::string::npos) return "";
    a += from.size();
    return s.substr(a, s.find(to, a) - a);
}

Picture read(const std::string& svg) {
    Picture p{svg, {}, {}, {}, {}};
    std::smatch m;
    std::string frame = between(svg, "<rect class=\"frame\"", "/>");
    std::regex number(R"re( (x|y|width|height)="([-\d.]+)")re");
    for (std::sregex_iterator i(frame.begin(), frame.end(), number), end; i != end; ++i) {
        double v = std::stod((*i)[2]);
        std::string key = (*i)[1];
        (key == "x"       ? p.frame.left
         : key == "y"     ? p.frame.top
         : key == "width" ? p.frame.width
                          : p.frame.height) = v;
    }
    std::string labels = between(svg, "<g class=\"contour-labels\"", "</g>");
    std::regex text(
        R"re(translate\(([-\d.]+) ([-\d.]+)\) rotate\(([-\d.]+)\)" y="[-\d.]+">([^<]*)<)re");
    for (std::sregex_iterator i(labels.begin(), labels.end(), text), end; i != end; ++i) {
        std::string t = (*i)[4];
        p.labels.push_back({textBox(std::stod((*i)[1]), std::stod((*i)[2]), textWidth(t, 11), 11,
                                    std::stod((*i)[3]) * 3.141592653589793 / 180, 0),
                            t});
    }
    std::string dots = between(svg, "<g class=\"points\"", "</g>");
    std::regex circle(R"re(cx="([-\d.]+)" cy="([-\d.]+)" r="([-\d.]+)")re");
    for (std::sregex_iterator i(dots.begin(), dots.end(), circle), end; i != end; ++i)
        p.dots.push_back(dotBox(std::stod((*i)[1]), std::stod((*i)[2]), std::stod((*i)[3])));
    std::string lines = between(svg, "<g class=\"contours\"", "</g>\n</g>");
    std::regex path(R"re( d="([^"]*)")re"), point(R"(([ML]?)([-\d.]+),([-\d.]+))");
    for (std::sregex_iterator i(lines.begin(), lines.end(), path), end; i != end; ++i) {
        std::string d = (*i)[1];
        PlotPoint last{NAN, NAN};
        for (std::sregex_iterator j(d.begin(), d.end(), point); j != end; ++j) {
            PlotPoint q{std::stod((*j)[2]), std::stod((*j)[3])};
            if ((*j)[1] != "M" && std::isfinite(last.x)) p.segments.push_back({last, q});
            last = q;
        }
    }
    return p;
}

// No label touches another, a dot, the frame, or a line (its own line is cut for it).
void expectClearLabels(const Picture& p, const std::string& what) {
    SCOPED_TRACE(what);
    for (std::size_t i = 0; i < p.labels.size(); ++i) {
        const LabelBox& box = p.labels[i].box;
        EXPECT_TRUE(boxInside(box, p.frame, 1)) << p.labels[i].text;
        for (std::size_t j = i + 1; j < p.labels.size(); ++j)
            EXPECT_FALSE(boxesMeet(box, p.labels[j].box))
                << p.labels[i].text << " and " << p.labels[j].text;
        for (const LabelBox& dot : p.dots) EXPECT_FALSE(boxesMeet(box, dot)) << p.labels[i].text;
        LabelBox core = box;  // the text's middle, which its own line would otherwise cross
        core.across -= 1, core.up = 1;
        for (const auto& [a, b] : p.segments)
            ASSERT_FALSE(segmentMeetsBox(a, b, core))
                << p.labels[i].text << " at " << box.x << "," << box.y << " crossed from " << a.x
                << "," << a.y << " to " << b.x << "," << b.y;
    }
}

std::string mapOf(const GridArray& array, const MapOptions& options, MapNotes* notes = nullptr) {
    std::ostringstream out;
    std::string error;
    EXPECT_TRUE(writeGridMap(out, array, options, error, notes)) << error;
    return out.str();
}

GridArray gridFile(const std::string& name) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/" + name);
    std::vector<GridArray> arrays;
    std::string error;
    EXPECT_TRUE(readGridArrays(in, name, arrays, error)) << name << ": " << error;
    return arrays.back();
}

GridArray fieldOf(int nx, int ny, double spacing, const std::function<double(int, int)>& f) {
    GridArray a;
    a.header.x = {0, float(spacing), float(spacing * (nx - 1))};
    a.header.y = {0, float(spacing), float(spacing * (ny - 1))};
    a.header.nx = nx, a.header.ny = ny;
    for (int r = ny - 1; r >= 0; --r)
        for (int c = 0; c < nx; ++c) a.values.push_back(float(f(c, r)));
    return a;
}

}  // namespace

TEST(MapLabels, TheToursMapsKeepTheirLabelsClear) {
    std::ifstream data(std::string(TEST_DATA_DIR) + "/../../examples/gridder/elevations.txt");
    MapOptions elevations;
    std::string error;
    ASSERT_TRUE(readPointFile(data, elevations.points, error)) << error;
    elevations.pointsName = "elevations.txt";
    MapOptions deviations = elevations;
    elevations.maskAuto = true;
    MapOptions section;
    section.section = true;
    const std::pair<const char*, MapOptions> maps[] = {{"maps/elevations.grd", elevations},
                                                       {"maps/deviations.grd", deviations},
                                                       {"maps/subduction.grd", section}};
    for (const auto& [file, options] : maps) {
        Picture p = read(mapOf(gridFile(file), options));
        EXPECT_GE(p.labels.size(), 3u) << file;
        EXPECT_GE(p.segments.size(), 50u) << file;
        expectClearLabels(p, file);
    }
}

TEST(MapLabels, RandomFieldsKeepTheirLabelsClear) {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> u(0, 1);
    std::size_t labels = 0;
    for (int trial = 0; trial < 24; ++trial) {
        int nx = 8 + int(u(random) * 70), ny = 4 + int(u(random) * 60);
        double cx[5], cy[5], w[5], s[5];
        for (int k = 0; k < 5; ++k)
            cx[k] = u(random) * nx, cy[k] = u(random) * ny, w[k] = 200 * u(random) - 100,
            s[k] = 4 + 40 * u(random);
        GridArray a = fieldOf(nx, ny, 10, [&](int c, int r) {
            double v = 0;
            for (int k = 0; k < 5; ++k)
                v += w[k] *
                     std::exp(-((c - cx[k]) * (c - cx[k]) + (r - cy[k]) * (r - cy[k])) / s[k]);
            return v;
        });
        MapOptions options;
        options.section = trial % 5 == 0;
        options.exaggeration = trial % 5 == 0 ? 1 + trial % 3 : 1;
        options.interval = trial % 3 == 0 ? 5 : 0;
        for (int k = 0; k < 40 * (trial % 3); ++k)
            options.points.push_back(
                {u(random) * 10 * nx, (options.section ? -1 : 1) * u(random) * 10 * ny});
        options.maskAuto = trial % 4 == 1 && !options.points.empty();
        Picture p = read(mapOf(a, options));
        labels += p.labels.size();
        expectClearLabels(p, "trial " + std::to_string(trial));
    }
    EXPECT_GE(labels, 100u);  // the check is made on many labels, not on empty maps
}

// The bar is stepped at the map's levels: the same colours, bottom to top, each the colour of
// its band's middle value.
TEST(GridMap, BandsAndBarShareTheirColours) {
    GridArray a = fieldOf(30, 20, 1, [](int c, int r) { return 101325 + 0.1 * c + 0.05 * r; });
    std::string svg = mapOf(a, {});
    std::regex fill(R"re(fill="(#[0-9a-f]{6})")re"), level(R"re(data-level="([^"]*)")re");
    auto all = [](const std::string& s, const std::regex& re) {
        std::vector<std::string> found;
        for (std::sregex_iterator i(s.begin(), s.end(), re), end; i != end; ++i)
            found.push_back((*i)[1]);
        return found;
    };
    std::vector<std::string> bands = all(between(svg, "<g class=\"bands\"", "</g>"), fill);
    std::vector<std::string> bar = all(between(svg, "<g class=\"colour-bar\"", "<line"), fill);
    std::vector<std::string> names = all(svg, level);
    ASSERT_EQ(names.size() + 1, bands.size());
    EXPECT_EQ(bands, bar);
    EXPECT_EQ("101325.5", names[0]);  // interval 0.5: one decimal, no two levels alike
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    double lo = *std::min_element(a.values.begin(), a.values.end()),
           hi = *std::max_element(a.values.begin(), a.values.end());
    for (std::size_t k = 1; k + 1 < bands.size(); ++k) {
        std::ostringstream expected;
        expected << colourAt((0.5 * (std::stod(names[k - 1]) + std::stod(names[k])) - lo) /
                             (hi - lo));
        EXPECT_EQ(expected.str(), bands[k]) << k;
    }
}

TEST(GridMap, ConstantFieldsAndPositionsOutside) {
    GridArray flat = fieldOf(5, 4, 1, [](int, int) { return 0.3; });
    MapOptions options;
    options.points = {{1, 1}, {2, 2}, {9, 1}, {-1, 3}};
    options.pointsName = "p.txt";
    MapNotes notes;
    std::string svg = mapOf(flat, options, &notes);
    EXPECT_NE(std::string::npos, svg.find(">0.3 everywhere</text>"));
    EXPECT_EQ(2u, notes.outside);
    EXPECT_NE(
        std::string::npos,
        svg.find(">dots: the 4 positions of p.txt (2 of them outside the grid, not drawn)</text>"));
    EXPECT_EQ(2u, read(svg).dots.size());
    options.cells = true;
    EXPECT_NE(std::string::npos, mapOf(flat, options).find(">0.3 everywhere</text>"));
}

// The picture's size follows the field's shape, not its node count.
TEST(GridMap, SizeBoundedWhateverTheGrid) {
    GridArray smooth = fieldOf(500, 500, 1, [](int c, int r) {
        return std::sin(c / 60.0) * std::cos(r / 45.0) + r / 400.0;
    });
    EXPECT_LT(mapOf(smooth, {}).size(), 2000000u);
    std::mt19937 random(3);
    std::uniform_real_distribution<double> u(0, 1);
    GridArray noise = fieldOf(1000, 1000, 1, [&](int, int) { return u(random); });
    MapNotes notes;
    std::string svg = mapOf(noise, {}, &notes);
    EXPECT_LT(svg.size(), 30000000u);
    EXPECT_GT(notes.drawnAcross, 0);
    EXPECT_NE(std::string::npos, svg.find("colours and lines from the grid averaged to"));
}
