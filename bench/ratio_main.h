#pragma once

// A benchmark main that, after the usual report, prints each case's ratio: the raw limit's
// time over ours, for every pair registered as "Raw/<case>" and "Ours/<case>". 1.0 is the
// limit itself; a ratio below 1 is what our code costs.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds_[run.run_name.str()].push_back(run.GetAdjustedRealTime());
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                seconds_[run.run_name.str()] = {run.GetAdjustedRealTime()};
    }
    void printRatios() const {
        for (const auto& [name, ours] : seconds_) {
            if (name.rfind("Ours/", 0) != 0)
                continue;
            auto raw = seconds_.find("Raw/" + name.substr(5));
            if (raw != seconds_.end())
                std::printf("ratio %-48s %.3f\n", name.substr(5).c_str(),
                            median(raw->second) / median(ours));
        }
    }

private:
    // Of several repetitions, the median: one noisy run on a shared machine moves it least.
    static double median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    std::map<std::string, std::vector<double>> seconds_;
};

inline int runWithRatios(int argc, char** argv) {
    // Repetitions of both sides interleaved in random order: a shared machine's drift then
    // falls on both alike. A flag on the command line still overrides it.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
