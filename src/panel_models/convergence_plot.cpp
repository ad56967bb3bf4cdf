// The error of a method's estimate against its count over one run, kept for a log-log plot.
#include "panel_models/convergence_plot.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quadrix {
namespace {

ConvergencePlot::Decades DecadesAround(double lowest, double highest) {
    const int low = static_cast<int>(std::floor(std::log10(lowest)));
    const int high = static_cast<int>(std::ceil(std::log10(highest)));
    return {low, std::max(high, low + 1)};
}

}  // namespace

double ConvergencePlot::Line::ErrorAt(double count) const {
    return std::pow(10.0, slope * std::log10(count) + intercept);
}

void ConvergencePlot::Add(double count, double error) {
    if (!(count >= 1.0) || std::isnan(error)) {
        throw std::invalid_argument("plot point outside the axes");
    }
    const Point point{count, std::max(std::abs(error), kErrorFloor)};
    latest_ = point;
    // Kept point k is arrival k * stride_.
    const std::uint64_t arrival = arrivals_++;
    latestKept_ = arrival % stride_ == 0;
    if (!latestKept_) {
        return;
    }
    kept_.push_back(point);
    if (kept_.size() == kMaxPoints) {
        std::size_t place = 0;
        std::erase_if(kept_, [&place](const Point&) { return place++ % 2 != 0; });
        stride_ *= 2;
        latestKept_ = arrival % stride_ == 0;
    }
}

std::vector<ConvergencePlot::Point> ConvergencePlot::Points() const {
    std::vector<Point> points = kept_;
    if (latest_.has_value() && !latestKept_) {
        points.push_back(*latest_);
    }
    return points;
}

std::optional<ConvergencePlot::Line> ConvergencePlot::FittedLine() const {
    const std::vector<Point> points = Points();
    if (points.empty()) {
        return std::nullopt;
    }
    double meanX = 0.0;
    double meanY = 0.0;
    for (const Point& point : points) {
        meanX += std::log10(point.count);
        meanY += std::log10(point.error);
    }
    const auto n = static_cast<double>(points.size());
    meanX /= n;
    meanY /= n;
    double sxx = 0.0;
    double sxy = 0.0;
    for (const Point& point : points) {
        const double dx = std::log10(point.count) - meanX;
        sxx += dx * dx;
        sxy += dx * (std::log10(point.error) - meanY);
    }
    if (sxx <= 0.0) {
        return std::nullopt;
    }
    const double slope = sxy / sxx;
    return Line{slope, meanY - slope * meanX};
}

ConvergencePlot::Decades ConvergencePlot::CountDecades() const {
    const std::vector<Point> points = Points();
    if (points.empty()) {
        return {0, 1};
    }
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(),
                            [](const Point& a, const Point& b) { return a.count < b.count; });
    return DecadesAround(lowest->count, highest->count);
}

ConvergencePlot::Decades ConvergencePlot::ErrorDecades() const {
    const std::vector<Point> points = Points();
    if (points.empty()) {
        return {-1, 0};
    }
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(),
                            [](const Point& a, const Point& b) { return a.error < b.error; });
    return DecadesAround(lowest->error, highest->error);
}

}  // namespace quadrix
