// The allocation-fault sweep: a scenario runs again and again in a child process, with the
// 1st, 2nd, ... allocation refused (once, or from then on), until a run refuses none. Each
// run must complete, or fail with "out of memory" and leave the volume as the calls before
// it left it, or end through the library's out-of-memory ladder with exit code 1. Never a
// crash, a hang, a wrong answer or a damaged volume.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sweep {

// What one step of a scenario did.
enum class Outcome { Done, OutOfMemory, OtherError };

struct StepResult {
    Outcome outcome = Outcome::Done;
    std::string shown;  // what the step read or showed, compared with a run without faults
    std::string error;  // for OtherError: what went wrong
};

struct Step {
    std::string name;
    std::function<StepResult()> run;
};

struct Scenario {
    std::string name;
    std::string what;
    // Whether the scenario runs the viewer's models, whose heaps end the program with exit
    // code 1 when memory stays exhausted.
    bool usesLibraryHeaps = false;
    // Whether it shows what it could read rather than an error: the viewer's models show an
    // entry "UNKNOWN", "No record" or a shorter walk when a call fails. What such a step shows
    // while allocations fail is not compared; once the fault has passed, the same step must
    // show everything again.
    bool degradesQuietly = false;
    // Made in the child, with the volume already named (ce::objstore::setVolumePath).
    std::function<std::vector<Step>()> steps;
};

// The message boxes shown since a step cleared them (the out-of-memory dialog aside: it is
// part of the ladder). Every box is answered at once.
std::vector<std::u16string>& boxesShown();

struct Options {
    std::string volume;     // the filled volume every run starts from
    std::string scratch;    // a private folder for the runs
    unsigned stride = 1;    // test every stride-th fault point
    unsigned seconds = 20;  // a run that takes longer has hung
    long only = -1;         // when set, the run of this one fault point, in this process
};

struct Report {
    unsigned faultPoints = 0;
    unsigned runs = 0;
    unsigned completed = 0;    // every step done (some after one retry)
    unsigned outOfMemory = 0;  // stopped at a step that failed with "out of memory"
    unsigned ladder = 0;       // ended through the out-of-memory ladder (exit code 1)
    // Each kind of problem once, with the fault points it was seen at.
    struct Problem {
        std::string what;
        unsigned first = 0;
        unsigned times = 0;
    };
    std::vector<Problem> problems;
};

// Sweeps one scenario in one mode: `persistent` refuses every allocation from the fault
// point on, otherwise only the one at the fault point.
Report sweepScenario(const Scenario& scenario, bool persistent, const Options& options);

}  // namespace sweep
