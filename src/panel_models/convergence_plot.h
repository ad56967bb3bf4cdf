// The error of a method's estimate against its count over one run, kept for a log-log plot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace quadrix {

// The absolute error of a method's estimate against its count over one run, for
// a log-log plot. Holds at most kMaxPoints points however long the run: when
// full it drops every second point and from then on keeps only every second
// new one, so the kept points stay evenly spread over the run's ticks. The
// latest point is always shown.
class ConvergencePlot {
  public:
    static constexpr std::size_t kMaxPoints = 256;
    // Errors below it (an estimate equal to pi in double) are plotted at it.
    static constexpr double kErrorFloor = 1e-16;

    struct Point {
        double count;
        double error;
    };

    // log10(error) = slope * log10(count) + intercept.
    struct Line {
        double slope;
        double intercept;
        double ErrorAt(double count) const;
    };

    // Whole powers of ten low < high, the axis range that holds every point.
    struct Decades {
        int low;
        int high;
    };

    // Needs count >= 1; the error is taken as its absolute value.
    void Add(double count, double error);

    bool Empty() const { return !latest_.has_value(); }
    // The kept points in order and then the latest one.
    std::vector<Point> Points() const;
    // The least-squares line through the points in log-log terms; none before
    // two different counts.
    std::optional<Line> FittedLine() const;

    Decades CountDecades() const;
    Decades ErrorDecades() const;

  private:
    std::vector<Point> kept_;
    std::optional<Point> latest_;
    bool latestKept_ = false;
    std::uint64_t arrivals_ = 0;
    std::uint64_t stride_ = 1;
};

}  // namespace quadrix
