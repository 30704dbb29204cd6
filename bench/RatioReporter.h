// The console report followed by a table pairing each measured figure with its baseline and
// their ratio (measured / baseline; below 1 the measured side is faster). By default the
// measured side is the object store ("store/...") and the baseline SQLite ("sqlite/..."). Other
// baselines may stand in for some cases; their rows name them after the case.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(bool colour, std::string measured = "store", std::string baseline = "sqlite",
                           std::vector<std::string> otherBaselines = {})
        : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular), m_measured(std::move(measured)),
          m_baseline(std::move(baseline)), m_otherBaselines(std::move(otherBaselines)) {}

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    struct Pair {
        double measuredNs = 0;
        double baselineNs = 0;
        std::string baseline;  // the engine of the baseline run
    };
    // The first part of the benchmarks' names, which tells the two sides apart.
    std::string m_measured;
    std::string m_baseline;
    std::vector<std::string> m_otherBaselines;
    // Keyed by the name without its engine part, in registration order.
    std::map<std::string, Pair> m_pairs;
    std::vector<std::string> m_order;
};
