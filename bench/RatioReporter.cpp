// Pairs "<measured>/X" with "<baseline>/X" by name; with repetitions the median stands for the
// pair, as one slow run on a shared machine moves a mean far more than a median.
#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace {

double nanoseconds(const benchmark::BenchmarkReporter::Run& run) {
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
}

std::string formatTime(double ns) {
    char text[32];
    if (ns >= 1e6) std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3) std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    else std::snprintf(text, sizeof text, "%.0f ns", ns);
    return text;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
    ConsoleReporter::ReportRuns(reports);
    for (const Run& run : reports) {
        if (run.error_occurred) continue;
        bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median) continue;
        std::string name = run.run_name.function_name;
        size_t slash = name.find('/');
        if (slash == std::string::npos) continue;
        std::string engine = name.substr(0, slash);
        bool other = std::find(m_otherBaselines.begin(), m_otherBaselines.end(), engine) != m_otherBaselines.end();
        if (engine != m_measured && engine != m_baseline && !other) continue;
        std::string key = name.substr(slash + 1);
        if (!m_pairs.count(key)) m_order.push_back(key);
        Pair& pair = m_pairs[key];
        if (engine == m_measured) {
            pair.measuredNs = nanoseconds(run);
        } else {
            pair.baselineNs = nanoseconds(run);
            pair.baseline = engine;
        }
    }
}

void RatioReporter::Finalize() {
    std::ostream& out = GetOutputStream();
    char line[160];
    std::snprintf(line, sizeof line, "\n%-28s %12s %12s %10s\n", "operation", m_measured.c_str(),
                  m_baseline.c_str(), "ratio");
    out << line;
    for (const std::string& key : m_order) {
        const Pair& pair = m_pairs[key];
        if (pair.measuredNs <= 0 || pair.baselineNs <= 0) continue;
        std::string label = pair.baseline == m_baseline ? key : key + " (" + pair.baseline + ")";
        std::snprintf(line, sizeof line, "%-28s %12s %12s %10.3f\n", label.c_str(), formatTime(pair.measuredNs).c_str(),
                      formatTime(pair.baselineNs).c_str(), pair.measuredNs / pair.baselineNs);
        out << line;
    }
    ConsoleReporter::Finalize();
}
