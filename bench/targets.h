#pragma once

// Benchmarks that set the counter "target_ms" (a time per iteration) or
// "target_MB" (beside a counter "MB") are listed once more at the end, each
// figure against its target.

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

namespace velbrant::bench {

inline void setTargetMs(benchmark::State& state, double milliseconds) {
    state.counters["target_ms"] = milliseconds;
}

class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            note(run);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (m_lines.empty())
            return;
        std::printf("\n%-40s %12s %12s\n", "Against the targets", "measured", "target");
        for (const std::string& line : m_lines)
            std::printf("%s\n", line.c_str());
    }

private:
    void note(const Run& run) {
        if (const auto target = run.counters.find("target_ms"); target != run.counters.end()) {
            const double ms = run.GetAdjustedRealTime() *
                              benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                              benchmark::GetTimeUnitMultiplier(run.time_unit);
            add(run.benchmark_name(), ms, target->second.value, "ms");
        }
        const auto target = run.counters.find("target_MB");
        const auto measured = run.counters.find("MB");
        if (target != run.counters.end() && measured != run.counters.end())
            add(run.benchmark_name(), measured->second.value, target->second.value, "MB");
    }
    void add(const std::string& name, double measured, double target, const char* unit) {
        char line[160];
        std::snprintf(line, sizeof line, "%-40s %9.2f %-2s %9.0f %-2s %s", name.c_str(), measured,
                      unit, target, unit, measured <= target ? "ok" : "OVER");
        m_lines.emplace_back(line);
    }

    std::vector<std::string> m_lines;
};

// Runs the benchmarks with the target list at the end.
inline void runWithTargets(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

} // namespace velbrant::bench
