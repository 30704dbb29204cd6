// startup_bench: Orvane started as a user starts it, headless, with a script that quits as soon
// as the first catalogue is painted, timed from the spawn to its exit; against `cedb list` on
// the same volume (the same catalogue read, without a window), on the sample volume and on one
// of a thousand small databases. Then, from the marks of Orvane's script (the platform's
// performance counter): opening the database of a million records from the catalogue to its
// first painted record, against `cedb show` up to its first record; and full repaints of the
// catalogue and of a record card, against drawing the same texts straight on the screen.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "ProgramRun.h"
#include "RatioReporter.h"
#include "ScreenDraws.h"
#include "StartupVolume.h"
#include "StoreVolume.h"
#include "ceobjstore.h"
#include "cewchar.h"

namespace {

// How often each side of a case runs: spawns are slow, and a busy machine scatters them.
constexpr int c_sampleRuns = 20;
constexpr int c_manyRuns = 10;

// The label of the second case in prepareCases says the same.
constexpr std::uint32_t c_manyDatabases = 1000;

// Opening the million records takes seconds, most of it building the order in memory.
constexpr std::uint32_t c_bigRecords = 1'000'000;
constexpr int c_openRuns = 5;
// Repaints in one run of the program; each is an iteration.
constexpr int c_repaints = 100;

struct StartupCase {
    std::string label;  // the last part of the benchmarks' names
    std::string volume;
    std::uint32_t databases = 0;
    std::string firstName;  // the first row of the catalogue, sorted by name
};

// Everything a run needs besides its volume; the files live in the benchmarks' folder.
struct Launch {
    std::string orvane = siblingProgram("orvane");
    std::string cedb = siblingProgram("cedb");
    std::string quitScript = benchPath("orvane-startup-quit.script");
    std::string home = benchPath("orvane-startup-home");
};

Launch& launch() {
    static Launch c_launch;
    return c_launch;
}

// Headless, on the case's volume, with a runtime folder of its own: one instance per folder.
std::map<std::string, std::string> environmentFor(const StartupCase& startup, const std::string& runtime,
                                                  const std::string& script) {
    return {{"CE_STORE", startup.volume}, {"CE_RUNTIME_DIR", runtime}, {"CE_DISPLAY", "headless"},
            {"CE_SCRIPT", script},        {"XDG_DATA_HOME", launch().home}, {"CE_SCREEN", ""},
            {"CE_SCALE", ""}};
}

ProgramRun runOnce(const StartupCase& startup, const std::vector<std::string>& argv, const std::string& script,
                   const std::string& output = "/dev/null") {
    std::string runtime = benchPath("orvane-startup-run-XXXXXX");
    if (!mkdtemp(runtime.data())) return {};
    ProgramRun run = runProgram(argv, environmentFor(startup, runtime, script), output);
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
    return run;
}

void timeRuns(benchmark::State& state, StartupCase startup, std::vector<std::string> argv) {
    double cpuSeconds = 0;
    for (auto _ : state) {
        ProgramRun run = runOnce(startup, argv, launch().quitScript);
        if (run.exitCode != 0) {
            state.SkipWithError(("exit code " + std::to_string(run.exitCode)).c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        cpuSeconds += run.cpuSeconds;
    }
    state.counters["child_cpu_ms"] = benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.SetLabel(std::to_string(startup.databases) + " databases");
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Untimed: Orvane must paint the catalogue with its first database, and `cedb list` must list
// every database; otherwise the times would be those of something else.
bool checkCase(const StartupCase& startup) {
    std::string output = benchPath("orvane-startup-check.txt");
    std::string script = benchPath("orvane-startup-check.script");
    writeFile(script, "expect \"" + startup.firstName + "\"\nexpect sorts,\nkey CTRL+Q\n");
    ProgramRun shown = runOnce(startup, {launch().orvane}, script, output);
    bool ok = shown.exitCode == 0;
    if (!ok)
        std::fprintf(stderr, "startup_bench: %s: orvane exited with %d instead of showing \"%s\":\n%s\n",
                     startup.label.c_str(), shown.exitCode, startup.firstName.c_str(), readFile(output).c_str());
    ProgramRun listed = ok ? runOnce(startup, {launch().cedb, "list"}, script, output) : ProgramRun{};
    std::string lines = readFile(output);
    auto count = static_cast<std::uint32_t>(std::count(lines.begin(), lines.end(), '\n'));
    if (ok && (listed.exitCode != 0 || count != startup.databases)) {
        std::fprintf(stderr, "startup_bench: %s: cedb list exited with %d, listing %u of %u databases\n%s\n",
                     startup.label.c_str(), listed.exitCode, count, startup.databases, lines.c_str());
        ok = false;
    }
    unlink(output.c_str());
    unlink(script.c_str());
    return ok;
}

// Orvane once on the case's volume with this script; its output (marks, screen text), or
// nothing when it did not end well, which is reported on stderr.
std::optional<std::string> runScript(const StartupCase& startup, const std::string& name, const std::string& text) {
    std::string output = benchPath("orvane-startup-" + name + ".txt");
    std::string script = benchPath("orvane-startup-" + name + ".script");
    std::optional<std::string> result;
    if (writeFile(script, text)) {
        ProgramRun run = runOnce(startup, {launch().orvane}, script, output);
        result = readFile(output);
        if (run.exitCode != 0) {
            std::fprintf(stderr, "startup_bench: %s: orvane exited with %d:\n%s\n", name.c_str(), run.exitCode,
                         result->c_str());
            result.reset();
        }
    }
    unlink(output.c_str());
    unlink(script.c_str());
    return result;
}

// Seconds from each mark to the next, in their order.
std::vector<double> intervals(const std::string& output) {
    std::vector<ScriptMark> marks = scriptMarks(output);
    std::vector<double> seconds;
    for (size_t i = 1; i < marks.size(); ++i)
        seconds.push_back(static_cast<double>(marks[i].microseconds - marks[i - 1].microseconds) / 1e6);
    return seconds;
}

// From the catalogue on the big volume, its only database selected: mark, open it with Enter,
// mark once its first record is painted. The catalogue must show before, the record after.
std::string openScript(const StartupCase& big) {
    return "expect " + big.firstName + "\nexpect-not Record id\nmark open\nkey RETURN\nmark opened\n"
           "expect Record id\nkey CTRL+Q\n";
}

void timeOpen(benchmark::State& state, StartupCase big) {
    for (auto _ : state) {
        std::optional<std::string> output = runScript(big, "open", openScript(big));
        std::vector<double> seconds = output ? intervals(*output) : std::vector<double>{};
        if (seconds.size() != 1) {
            state.SkipWithError("no marks around the open");
            return;
        }
        state.SetIterationTime(seconds[0]);
    }
    state.SetLabel(std::to_string(c_bigRecords) + " records");
}

// `cedb show NAME | head -n 1`: from the spawn to the first line of the first record.
void timeFirstRecord(benchmark::State& state, StartupCase big) {
    for (auto _ : state) {
        std::string runtime = benchPath("orvane-startup-run-XXXXXX");
        if (!mkdtemp(runtime.data())) return state.SkipWithError("no runtime folder");
        std::string line;
        ProgramRun run = runToFirstLine({launch().cedb, "show", big.firstName},
                                        environmentFor(big, runtime, launch().quitScript), line);
        std::error_code ignored;
        std::filesystem::remove_all(runtime, ignored);
        if (line.rfind("record ", 0) != 0) return state.SkipWithError(("cedb show printed " + line).c_str());
        state.SetIterationTime(run.seconds);
    }
    state.SetLabel(std::to_string(c_bigRecords) + " records");
}

struct RepaintCase {
    std::string label;
    StartupCase startup;
    std::string reach;  // the script's lines that bring the card up
    std::vector<ScreenDraw> draws;  // what the card shows, from a first run
};

// The card, c_repaints repaints with a mark around each, then the screen text.
std::string repaintScript(const RepaintCase& repaint) {
    std::string script = repaint.reach + "mark r0\n";
    for (int i = 1; i <= c_repaints; ++i) script += "repaint\nmark r" + std::to_string(i) + "\n";
    return script + "text -\nkey CTRL+Q\n";
}

// One run of the program per repetition; each iteration is one of its repaints.
void timeRepaints(benchmark::State& state, RepaintCase repaint) {
    std::optional<std::string> output = runScript(repaint.startup, "repaint", repaintScript(repaint));
    std::vector<double> seconds = output ? intervals(*output) : std::vector<double>{};
    if (seconds.size() != static_cast<size_t>(state.max_iterations)) {
        state.SkipWithError("not a mark after every repaint");
        return;
    }
    size_t next = 0;
    for (auto _ : state) state.SetIterationTime(seconds[next++]);
    state.SetLabel(std::to_string(repaint.draws.size()) + " texts");
}

void timeDraws(benchmark::State& state, RepaintCase repaint) {
    drawOnScreen(repaint.draws);  // untimed: this process loads its fonts on the first draw
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        drawOnScreen(repaint.draws);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetLabel(std::to_string(repaint.draws.size()) + " texts");
}

// Untimed: the card must come up and show text, and every repaint must leave its mark.
bool checkRepaint(RepaintCase& repaint) {
    std::optional<std::string> output = runScript(repaint.startup, "repaint-check", repaintScript(repaint));
    if (!output) return false;
    repaint.draws = screenDraws(*output);
    size_t marks = scriptMarks(*output).size();
    if (repaint.draws.empty() || marks != c_repaints + 1) {
        std::fprintf(stderr, "startup_bench: Repaint/%s: %zu texts, %zu marks:\n%s\n", repaint.label.c_str(),
                     repaint.draws.size(), marks, output->c_str());
        return false;
    }
    return true;
}

// The volume of objstore_bench: one database of a million records, built once and kept.
bool prepareBig(StartupCase& big) {
    bool built = StoreVolume::use(c_bigRecords);
    big.volume = ce::objstore::volumePath();
    ce::objstore::closeVolume();
    ce::objstore::setVolumePath("");
    if (!built) {
        std::fprintf(stderr, "startup_bench: cannot build %s\n", big.volume.c_str());
        return false;
    }
    big.label = "1M";
    big.databases = 1;
    big.firstName = ce::toUtf8(StoreVolume::c_databaseName);
    return true;
}

bool prepareCases(std::vector<StartupCase>& cases) {
    for (const char* label : {"sample", "1000"}) {
        StartupCase startup{label, benchPath(std::string("orvane-startup-") + label + ".vol"), 0, ""};
        bool built = cases.empty() ? StartupVolume::createSample(startup.volume)
                                   : StartupVolume::useMany(startup.volume, c_manyDatabases);
        if (!built) {
            std::fprintf(stderr, "startup_bench: cannot build %s\n", startup.volume.c_str());
            return false;
        }
        startup.databases = StartupVolume::databaseCount(startup.volume);
        startup.firstName = ce::toUtf8(StartupVolume::firstName(startup.volume));
        cases.push_back(startup);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    for (const std::string& program : {launch().orvane, launch().cedb})
        if (access(program.c_str(), X_OK) != 0) {
            std::fprintf(stderr, "startup_bench: %s is missing: build it first\n", program.c_str());
            return 1;
        }
    std::filesystem::create_directories(launch().home);
    std::vector<StartupCase> cases;
    StartupCase big;
    bool ready = writeFile(launch().quitScript, "key CTRL+Q\n") && prepareCases(cases) && prepareBig(big);
    for (size_t i = 0; i < cases.size() && ready; ++i) ready = checkCase(cases[i]);
    ready = ready && checkCase(big);
    // The catalogue of a thousand databases fills the screen; the record card is the first
    // contact of the sample volume, with its many properties.
    std::vector<RepaintCase> repaints;
    if (ready) {
        repaints.push_back({"catalogue", cases[1], "expect " + cases[1].firstName + "\n", {}});
        repaints.push_back({"record", cases[0], "click \"Contacts Database\"\nkey RETURN\nexpect Record id\n", {}});
    }
    for (size_t i = 0; i < repaints.size() && ready; ++i) ready = checkRepaint(repaints[i]);
    if (ready) {
        for (const StartupCase& startup : cases) {
            int runs = startup.databases >= c_manyDatabases ? c_manyRuns : c_sampleRuns;
            benchmark::RegisterBenchmark(("orvane/FirstCatalogue/" + startup.label).c_str(), timeRuns, startup,
                                         std::vector<std::string>{launch().orvane})
                ->UseManualTime()->Iterations(runs)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("cedb/FirstCatalogue/" + startup.label).c_str(), timeRuns, startup,
                                         std::vector<std::string>{launch().cedb, "list"})
                ->UseManualTime()->Iterations(runs)->Unit(benchmark::kMillisecond);
        }
        // Before the opens: in a run where they came after them, the draws of this process were
        // slower for a while (250 us against 140 for the catalogue).
        for (const RepaintCase& repaint : repaints) {
            benchmark::RegisterBenchmark(("orvane/Repaint/" + repaint.label).c_str(), timeRepaints, repaint)
                ->UseManualTime()->Iterations(c_repaints)->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("draws/Repaint/" + repaint.label).c_str(), timeDraws, repaint)
                ->UseManualTime()->Iterations(c_repaints)->Unit(benchmark::kMicrosecond);
        }
        benchmark::RegisterBenchmark("orvane/OpenDatabase/1M", timeOpen, big)
            ->UseManualTime()->Iterations(c_openRuns)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("cedb/OpenDatabase/1M", timeFirstRecord, big)
            ->UseManualTime()->Iterations(c_openRuns)->Unit(benchmark::kMillisecond);
        RatioReporter reporter(isatty(STDOUT_FILENO) != 0, "orvane", "cedb", {"draws"});
        benchmark::RunSpecifiedBenchmarks(&reporter);
    }
    unlink(launch().quitScript.c_str());
    benchmark::Shutdown();
    return ready ? 0 : 2;
}
