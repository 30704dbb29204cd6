// The ratio table: pairs the engines' runs by name, whatever unit each was reported in.
#include <gtest/gtest.h>

#include <sstream>

#include "RatioReporter.h"

namespace {

using BenchRun = benchmark::BenchmarkReporter::Run;

BenchRun run(const std::string& name, double seconds, benchmark::TimeUnit unit) {
    BenchRun result;
    result.run_name.function_name = name;
    result.iterations = 10;
    result.real_accumulated_time = seconds * 10;
    result.cpu_accumulated_time = seconds * 10;
    result.time_unit = unit;
    return result;
}

std::string tableOf(const std::vector<BenchRun>& runs, RatioReporter&& reporter = RatioReporter(false)) {
    std::ostringstream out;
    std::ostringstream errors;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&errors);
    reporter.ReportRuns(runs);
    reporter.Finalize();
    std::string text = out.str();
    return text.substr(text.find("operation"));
}

TEST(RatioReporter, RatioIsStoreOverSqliteAcrossUnits) {
    std::string table = tableOf({run("store/Seek/1M", 0.002, benchmark::kMillisecond),
                                 run("sqlite/Seek/1M", 0.001, benchmark::kNanosecond)});
    EXPECT_NE(table.find("Seek/1M"), std::string::npos);
    EXPECT_NE(table.find("2.00 ms"), std::string::npos) << table;
    EXPECT_NE(table.find("1.00 ms"), std::string::npos) << table;
    EXPECT_NE(table.find("2.000"), std::string::npos) << table;
}

TEST(RatioReporter, FailedOrUnpairedRunsGetNoRow) {
    BenchRun failed = run("sqlite/Add/1M", 0.001, benchmark::kNanosecond);
    failed.error_occurred = true;
    std::string table = tableOf({run("store/Add/1M", 0.001, benchmark::kNanosecond), failed,
                                 run("store/StepOnly/1M", 0.001, benchmark::kNanosecond)});
    EXPECT_EQ(table.find("Add/1M"), std::string::npos) << table;
    EXPECT_EQ(table.find("StepOnly"), std::string::npos) << table;
}

TEST(RatioReporter, OtherSidesPairByTheNamesGiven) {
    std::string table = tableOf({run("orvane/First/1000", 0.3, benchmark::kMillisecond),
                                 run("store/First/1000", 0.9, benchmark::kMillisecond),
                                 run("cedb/First/1000", 0.1, benchmark::kMillisecond)},
                                RatioReporter(false, "orvane", "cedb"));
    EXPECT_NE(table.find("orvane"), std::string::npos) << table;
    EXPECT_NE(table.find("cedb"), std::string::npos) << table;
    EXPECT_NE(table.find("300.00 ms"), std::string::npos) << table;
    EXPECT_NE(table.find("3.000"), std::string::npos) << table;
}

TEST(RatioReporter, AnotherBaselineStandsInForSomeCasesAndIsNamedInTheirRows) {
    std::string table = tableOf({run("orvane/Repaint/card", 0.004, benchmark::kMicrosecond),
                                 run("draws/Repaint/card", 0.001, benchmark::kMicrosecond),
                                 run("orvane/Open/1M", 0.3, benchmark::kMillisecond),
                                 run("cedb/Open/1M", 0.1, benchmark::kMillisecond)},
                                RatioReporter(false, "orvane", "cedb", {"draws"}));
    EXPECT_NE(table.find("Repaint/card (draws)"), std::string::npos) << table;
    EXPECT_NE(table.find("4.000"), std::string::npos) << table;
    EXPECT_NE(table.find("Open/1M "), std::string::npos) << table;
    EXPECT_EQ(table.find("(cedb)"), std::string::npos) << table;
}

}  // namespace
