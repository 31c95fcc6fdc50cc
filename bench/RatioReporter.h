#pragma once
// Benchmarks here are judged by their ratio to a floor measured in the same run, never by
// absolute times: the machines they run on are often busy.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kestrion::bench {

// Keeps each benchmark's median CPU time per iteration so ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "what  ratio" and, when there is one, the goal the ratio must stay within.
    void print_ratio(const char* what, const char* measured, const char* floor, double goal = 0) const {
        const auto m = times.find(measured), f = times.find(floor);
        if (m == times.end() || f == times.end() || f->second <= 0) return;
        if (goal > 0) std::printf("%-48s %.2f  (goal <= %.2f)\n", what, m->second / f->second, goal);
        else std::printf("%-48s %.2f\n", what, m->second / f->second);
    }
};

// Medians of several repetitions.
#define KESTRION_BENCH(name)                                                                       \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true)

} // namespace kestrion::bench
