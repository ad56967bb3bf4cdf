// Reports how much faster each fast engine is than the other variants.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace quadrix::bench {

// Console output plus, at the end, the speed-up of each fast engine over the
// other variants measured with the same arguments. Benchmarks are named
// BM_<Case>_<Variant>/<args>; the variant "Fast" is compared with every other
// variant of its case and arguments ("Reference", "Mt19937", ...).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    struct Key {
        std::string benchmarkCase;
        std::string arguments;
        bool operator<(const Key& other) const {
            return benchmarkCase != other.benchmarkCase ? benchmarkCase < other.benchmarkCase
                                                        : arguments < other.arguments;
        }
    };
    std::map<Key, std::map<std::string, double>> secondsPerIteration_;
};

}  // namespace quadrix::bench
