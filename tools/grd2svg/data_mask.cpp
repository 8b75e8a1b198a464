#include "data_mask.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

bool before(const PlotPoint& a, const PlotPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

double along(const PlotPoint& p, int depth) {
    return depth % 2 == 0 ? p.x : p.y;
}

}  // namespace

DataMask::DataMask(const std::vector<PlotPoint>& points, double distance) : distance_(distance) {
    std::vector<PlotPoint> sorted = points;
    std::sort(sorted.begin(), sorted.end(), before);
    for (const PlotPoint& p : sorted) {
        if (!positions_.empty() && positions_.back().x == p.x && positions_.back().y == p.y) {
            ++counts_.back();
            continue;
        }
        positions_.push_back(p);
        counts_.push_back(1);
    }
    build(0, positions_.size(), 0);
}

// The median of each span along the depth's axis stands in its middle, the smaller ones before
// it and the larger after, with their counts alongside.
void DataMask::build(std::size_t from, std::size_t to, int depth) {
    if (to - from < 2) return;
    std::vector<std::size_t> order(to - from);
    std::iota(order.begin(), order.end(), from);
    std::size_t middle = (to - from) / 2;
    std::nth_element(order.begin(), order.begin() + middle, order.end(),
                     [&](std::size_t a, std::size_t b) {
                         return along(positions_[a], depth) < along(positions_[b], depth);
                     });
    std::vector<PlotPoint> points;
    std::vector<std::size_t> counts;
    for (std::size_t i : order) points.push_back(positions_[i]), counts.push_back(counts_[i]);
    std::copy(points.begin(), points.end(), positions_.begin() + from);
    std::copy(counts.begin(), counts.end(), counts_.begin() + from);
    build(from, from + middle, depth + 1);
    build(from + middle + 1, to, depth + 1);
}

void DataMask::nearest(double x, double y, std::size_t self, std::size_t from, std::size_t to,
                       int depth, double& best) const {
    if (from >= to) return;
    std::size_t middle = from + (to - from) / 2;
    const PlotPoint& p = positions_[middle];
    if (middle != self) best = std::min(best, std::hypot(p.x - x, p.y - y));
    double offset = (depth % 2 == 0 ? x : y) - along(p, depth);
    bool lowFirst = offset < 0;
    if (lowFirst)
        nearest(x, y, self, from, middle, depth + 1, best);
    else
        nearest(x, y, self, middle + 1, to, depth + 1, best);
    if (std::fabs(offset) <= best) {
        if (lowFirst)
            nearest(x, y, self, middle + 1, to, depth + 1, best);
        else
            nearest(x, y, self, from, middle, depth + 1, best);
    }
}

double DataMask::medianNeighbourDistance() const {
    if (positions_.size() < 2) return 0;
    std::vector<std::pair<double, std::size_t>> nearestOf;
    std::size_t data = 0;
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        double best = INFINITY;
        nearest(positions_[i].x, positions_[i].y, i, 0, positions_.size(), 0, best);
        nearestOf.push_back({best, counts_[i]});
        data += counts_[i];
    }
    std::sort(nearestOf.begin(), nearestOf.end());
    // The middle datum, or the mean of the two middle ones.
    auto at = [&](std::size_t rank) {
        for (const auto& [d, count] : nearestOf) {
            if (rank < count) return d;
            rank -= count;
        }
        return nearestOf.back().first;
    };
    // Halves added, so that two distances near the largest double do not overflow.
    return data % 2 == 1 ? at(data / 2) : 0.5 * at(data / 2 - 1) + 0.5 * at(data / 2);
}

bool DataMask::near(double x, double y) const {
    double best = INFINITY;
    nearest(x, y, positions_.size(), 0, positions_.size(), 0, best);
    return best <= distance_;
}
