#pragma once
// Where a map is too far from every datum to be believed: the data's positions, a distance, and
// the questions a map asks of them.  The distinct positions are held in a two-dimensional tree,
// so that the nearest one to a point is found in about log n steps.  Cost: n log n to build.
#include <vector>

#include "plot_axes.h"

// The distance `--mask-distance auto` takes: this many times the median distance from a datum to
// its nearest neighbour at another position.  On data spread evenly hardly any point of the map
// lies that far from every datum (about one in a hundred lies 2.6 times that far); a gap in the
// survey does.
constexpr double AUTO_MASK_FACTOR = 3;

class DataMask {
  public:
    explicit DataMask(const std::vector<PlotPoint>& points, double distance = 0);
    // The median, over the data, of the distance to the nearest datum at a different position; 0
    // when no two positions differ, infinite when the distances lie beyond the range of doubles.
    double medianNeighbourDistance() const;
    double distance() const { return distance_; }
    void setDistance(double distance) { distance_ = distance; }
    // True when some datum lies within the distance of (x, y).
    bool near(double x, double y) const;

  private:
    // The nearest distinct position to (x, y) other than the one at index `self` (or any, with
    // self beyond the positions), searched below tree node [from, to).
    void nearest(double x, double y, std::size_t self, std::size_t from, std::size_t to, int depth,
                 double& best) const;
    void build(std::size_t from, std::size_t to, int depth);
    std::vector<PlotPoint> positions_;  // distinct, in tree order
    std::vector<std::size_t> counts_;   // how many data stand at each
    double distance_;
};
