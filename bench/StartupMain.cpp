// startup_bench: Orvane started as a user starts it, headless, with a script that quits as soon
// as the first catalogue is painted, timed from the spawn to its exit; against `cedb list` on
// the same volume (the same catalogue read, without a window), on the sample volume and on one
// of a thousand small databases.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "ProgramRun.h"
#include "RatioReporter.h"
#include "StartupVolume.h"
#include "cewchar.h"

namespace {

// How often each side of a case runs: spawns are slow, and a busy machine scatters them.
constexpr int c_sampleRuns = 20;
constexpr int c_manyRuns = 10;

// The label of the second case in prepareCases says the same.
constexpr std::uint32_t c_manyDatabases = 1000;

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
    bool ready = writeFile(launch().quitScript, "key CTRL+Q\n") && prepareCases(cases);
    for (size_t i = 0; i < cases.size() && ready; ++i) ready = checkCase(cases[i]);
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
        RatioReporter reporter(isatty(STDOUT_FILENO) != 0, "orvane", "cedb");
        benchmark::RunSpecifiedBenchmarks(&reporter);
    }
    unlink(launch().quitScript.c_str());
    benchmark::Shutdown();
    return ready ? 0 : 2;
}
