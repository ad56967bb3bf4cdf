// Reports how much faster each fast engine is than the other variants.
#include "ratio_reporter.h"

#include <cstdio>

namespace quadrix::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration) {
            continue;
        }
        const std::string name = run.benchmark_name();
        const std::size_t slash = name.find('/');
        const std::string function = name.substr(0, slash);
        const std::string arguments = slash == std::string::npos ? "" : name.substr(slash);
        const std::size_t variantAt = function.rfind('_');
        if (variantAt == std::string::npos) {
            continue;
        }
        const Key key{function.substr(0, variantAt), arguments};
        secondsPerIteration_[key][function.substr(variantAt + 1)] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nSpeed-up of the fast engine (wall time of the variant / wall time of Fast):\n");
    for (const auto& [key, variants] : secondsPerIteration_) {
        const auto fast = variants.find("Fast");
        if (fast == variants.end()) {
            continue;
        }
        for (const auto& [variant, seconds] : variants) {
            if (variant != "Fast") {
                std::printf("  %-28s %-12s Fast is %8.1fx %s\n", key.benchmarkCase.c_str(),
                            key.arguments.c_str(), seconds / fast->second, variant.c_str());
            }
        }
    }
}

}  // namespace quadrix::bench
