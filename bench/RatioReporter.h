// The console report followed by a table pairing each object store figure with its SQLite
// baseline and their ratio (store / SQLite; below 1 the store is faster).
#pragma once

#include <map>
#include <string>

#include <benchmark/benchmark.h>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(bool colour) : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    struct Pair {
        double storeNs = 0;
        double sqliteNs = 0;
    };
    // Keyed by the name without its engine part, in registration order.
    std::map<std::string, Pair> m_pairs;
    std::vector<std::string> m_order;
};
