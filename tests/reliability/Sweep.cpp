#include "Sweep.h"

#include <ceobjstore.h>
#include <cetest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <windows.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "VolumeState.h"

namespace sweep {

namespace {

namespace fs = std::filesystem;

constexpr unsigned c_noFault = ~0u;
constexpr char c_unchecked[] = "unchecked";
// A scenario of more fault points than this has run away.
constexpr unsigned c_maxFaultPoints = 1000000;

// Set for a run reproduced alone: its lines then carry whole texts, not digests.
bool s_plainText = false;

std::string digest(const std::string& text) {
    if (s_plainText) return "\n" + text;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016zx", std::hash<std::string>{}(text));
    return hex;
}

// A child's lines, written through a pipe as it goes, so that what it said before it died
// is kept.
class Channel {
public:
    explicit Channel(int fd) : m_fd(fd) {}
    void say(const std::string& key, const std::string& value = {}) {
        std::string line = key + " " + value + "\n";
        for (size_t at = 0; at < line.size();) {
            ssize_t written = ::write(m_fd, line.data() + at, line.size() - at);
            if (written <= 0) return;
            at += static_cast<size_t>(written);
        }
    }

private:
    int m_fd;
};

// Runs `body` in a child with a pipe for its lines; the lines, and how the child ended.
struct ChildEnd {
    std::vector<std::pair<std::string, std::string>> lines;
    int status = 0;
};

ChildEnd inChild(unsigned seconds, const std::function<void(Channel&)>& body) {
    int pipeEnds[2];
    ChildEnd end;
    if (::pipe(pipeEnds) != 0) {
        end.status = -1;
        return end;
    }
    std::fflush(nullptr);
    pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(seconds);
        Channel channel(pipeEnds[1]);
        body(channel);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;)
        if (got > 0) text.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR) break;
    ::close(pipeEnds[0]);
    ::waitpid(child, &end.status, 0);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        size_t space = line.find(' ');
        end.lines.emplace_back(line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1));
    }
    return end;
}

std::string endText(int status) {
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGALRM ? "hung (stopped by the time limit)"
                                           : "ended by signal " + std::to_string(WTERMSIG(status));
    return "exit code " + std::to_string(WEXITSTATUS(status));
}

void freshCopy(const Options& options, const std::string& work) {
    for (const char* suffix : {"", "-wal", "-shm", "-open"}) fs::remove(work + suffix);
    fs::copy_file(options.volume, work);
}

// One run: the steps with allocations refused from `skip` on (`count` of them), then, with
// the faults cleared, what this process's store reads of the volume.
void runSteps(const Scenario& scenario, const std::string& work, unsigned skip, bool persistent, Channel& channel) {
    ce::objstore::setVolumePath(work);
    ce::test::setMessageBoxResponder([](const ce::test::MessageBoxCall& box) {
        if (box.caption != u"Out of Memory") boxesShown().push_back(box.text);
        return IDOK;
    });
    std::vector<Step> steps = scenario.steps();
    bool reference = skip == c_noFault;
    if (reference) channel.say("prefix", digest(volumeState()));
    else ce::test::failAllocations(nullptr, skip, persistent ? ~0u : 1);
    for (size_t i = 0; i < steps.size(); ++i) {
        unsigned refusedBefore = ce::test::failedAllocations();
        StepResult result = steps[i].run();
        if (scenario.degradesQuietly && !reference) {
            if (persistent) {
                channel.say("done", c_unchecked);
                continue;
            }
            // Shown while the fault struck: not compared. Shown after it, it must be whole.
            if (ce::test::failedAllocations() != refusedBefore) result = steps[i].run();
        } else if (result.outcome == Outcome::OutOfMemory && !persistent) {
            channel.say("retry", steps[i].name);
            result = steps[i].run();
        }
        if (result.outcome == Outcome::OutOfMemory) {
            channel.say("oom", steps[i].name);
            break;
        }
        if (result.outcome == Outcome::OtherError) {
            channel.say("error", steps[i].name + ": " + result.error);
            break;
        }
        channel.say("done", digest(result.shown));
        if (reference) channel.say("prefix", digest(volumeState()));
    }
    unsigned refused = ce::test::failedAllocations();
    ce::test::clearAllocationFaults();
    channel.say("refused", std::to_string(refused));
    channel.say("state", digest(volumeState()));
    ce::objstore::closeVolume();
}

// What a fresh process finds in the volume after a run.
void verify(const std::string& work, Channel& channel) {
    channel.say("integrity", integrity(work));
    ce::objstore::setVolumePath(work);
    channel.say("state", digest(volumeState()));
    ce::objstore::closeVolume();
}

std::string valueOf(const ChildEnd& end, const std::string& key) {
    for (const auto& [k, v] : end.lines)
        if (k == key) return v;
    return {};
}

struct Reference {
    std::vector<std::string> shown;   // each step's digest
    std::vector<std::string> states;  // the volume before the first step and after each
};

}  // namespace

std::vector<std::u16string>& boxesShown() {
    static std::vector<std::u16string> boxes;
    return boxes;
}

Report sweepScenario(const Scenario& scenario, bool persistent, const Options& options) {
    Report report;
    std::string work = options.scratch + "/run.vol";
    auto problem = [&](unsigned point, std::string what) {
        // The scratch folder differs from run to run of the sweep.
        for (size_t at; (at = what.find(options.scratch)) != std::string::npos;)
            what.replace(at, options.scratch.size(), "SCRATCH");
        for (Report::Problem& known : report.problems)
            if (known.what == what) {
                ++known.times;
                return;
            }
        report.problems.push_back({what, point, 1});
    };

    freshCopy(options, work);
    ChildEnd first = inChild(options.seconds, [&](Channel& c) { runSteps(scenario, work, c_noFault, false, c); });
    Reference reference;
    for (const auto& [key, value] : first.lines) {
        if (key == "done") reference.shown.push_back(value);
        if (key == "prefix") reference.states.push_back(value);
        if (key == "error" || key == "oom") problem(0, "fails without any fault: " + value);
    }
    if (first.status != 0 || reference.states.size() != scenario.steps().size() + 1) {
        problem(0, "the run without faults did not finish: " + endText(first.status));
        return report;
    }

    if (options.only >= 0) {
        // To reproduce one run under a debugger: its lines go to the standard output.
        Channel out(1);
        s_plainText = true;
        freshCopy(options, work);
        runSteps(scenario, work, static_cast<unsigned>(options.only), persistent, out);
        out.say("-- and what a fresh process reads of the volume:");
        ChildEnd after = inChild(options.seconds, [&](Channel& c) { verify(work, c); });
        for (const auto& [key, value] : after.lines) out.say(key, value);
        return report;
    }
    for (unsigned point = 0; point < c_maxFaultPoints; point += options.stride) {
        freshCopy(options, work);
        ChildEnd run = inChild(options.seconds, [&](Channel& c) { runSteps(scenario, work, point, persistent, c); });
        ++report.runs;
        bool ladder = scenario.usesLibraryHeaps && WIFEXITED(run.status) && WEXITSTATUS(run.status) == 1;
        if (run.status != 0 && !ladder) {
            problem(point, endText(run.status) + " after " + std::to_string(run.lines.size()) + " lines");
            continue;
        }
        size_t done = 0;
        bool stopped = false;
        for (const auto& [key, value] : run.lines) {
            if (key == "done") {
                if (done >= reference.shown.size() || (value != reference.shown[done] && value != c_unchecked))
                    problem(point, "step " + std::to_string(done + 1) + " read something else than without faults");
                ++done;
            } else if (key == "oom") {
                stopped = true;
                if (!persistent) problem(point, value + " failed again once the fault had passed");
            } else if (key == "error") {
                stopped = true;
                problem(point, value);
            }
        }
        // A run that ended through the ladder may have finished the step it was in.
        ChildEnd after = inChild(options.seconds, [&](Channel& c) { verify(work, c); });
        std::string found = valueOf(after, "state");
        bool asBefore = found == reference.states[done];
        bool stepFinished = ladder && done + 1 < reference.states.size() && found == reference.states[done + 1];
        if (after.status != 0) problem(point, "the volume's check " + endText(after.status));
        if (valueOf(after, "integrity") != "ok") problem(point, "the volume is damaged: " + valueOf(after, "integrity"));
        if (!asBefore && !stepFinished)
            problem(point, "the volume holds something else than the " + std::to_string(done) + " step(s) done left");
        if (ladder) {
            ++report.ladder;
            continue;
        }
        if (valueOf(run, "state") != reference.states[done])
            problem(point, "the program's own view after the run differs from the volume's");
        if (stopped) ++report.outOfMemory;
        else ++report.completed;
        if (valueOf(run, "refused") == "0") {
            report.faultPoints = point;
            break;
        }
    }
    return report;
}

}  // namespace sweep
