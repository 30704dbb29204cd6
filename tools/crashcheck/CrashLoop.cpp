#include "CrashLoop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <random>

#include "Journal.h"
#include "VolumeCheck.h"
#include "ceobjstore.h"

namespace crashcheck {

namespace {

using Clock = std::chrono::steady_clock;

std::string joined(const std::vector<std::string>& items, size_t most = 3) {
    std::string text;
    for (size_t i = 0; i < items.size() && i < most; ++i) text += (i ? "; " : "") + items[i];
    if (items.size() > most) text += "; and " + std::to_string(items.size() - most) + " more";
    return text;
}

struct Reopened {
    std::optional<VolumeImage> image;
    std::vector<std::string> damage;
};

// The catalogue, the databases' information and orders through the store as it stands.
void readThroughStore(Reopened& result, const std::string& which) {
    std::string problem;
    if (!ce::objstore::openVolume())
        result.damage.push_back(which + "the volume is refused: " + ce::objstore::lastVolumeError());
    else if (!(result.image = readVolume(problem)))
        result.damage.push_back(which + "the catalogue cannot be read: " + problem);
    else
        for (std::string& found : consistencyProblems(*result.image)) result.damage.push_back(which + found);
}

// Everything that must hold of the volume whatever was written: the file; and the catalogue,
// information and orders both through this process's store, kept open across the writer's
// run and following its changes through the change log, and through a fresh one. The fresh
// store stays open for the next run, its indexes built.
Reopened reopen(const std::string& volume) {
    Reopened result;
    if (std::string problem = integrityProblem(volume); !problem.empty())
        result.damage.push_back("integrity check: " + problem);
    Reopened kept;
    readThroughStore(kept, "(store kept open) ");
    ce::objstore::closeVolume();
    readThroughStore(result, "");
    result.damage.insert(result.damage.end(), kept.damage.begin(), kept.damage.end());
    if (kept.image && result.image)
        for (const std::string& found : differences(*result.image, *kept.image))
            result.damage.push_back("the store kept open sees otherwise: " + found);
    return result;
}

pid_t startWriter(const LoopSettings& settings, std::uint64_t seed, int& readFd) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return -1;
    pid_t child = fork();
    if (child == 0) {
        dup2(fds[1], STDOUT_FILENO);
        std::string seedText = std::to_string(seed);
        execl(settings.program.c_str(), settings.program.c_str(), "--writer", "--volume", settings.volume.c_str(),
              "--seed", seedText.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (child < 0) close(fds[0]);
    readFd = fds[0];
    return child;
}

struct WriterEnd {
    bool ready = false;
    bool killed = false;  // false: it ended by itself before the kill
    int status = 0;
};

// Feeds the writer's lines to the journal until `delay` has passed since its start, or since
// it said "ready" when `fromReady`, kills it, then reads what it had written before the
// kill. A line cut by the kill is dropped.
WriterEnd superviseWriter(pid_t child, int fd, std::chrono::milliseconds delay, bool fromReady, Journal& journal,
                          bool& protocolOk) {
    WriterEnd end;
    // A writer that is not ready within this time is killed all the same, and told so.
    constexpr std::chrono::seconds c_readyLimit{20};
    Clock::time_point deadline = Clock::now() + (fromReady ? c_readyLimit : delay);
    std::string buffer;
    char chunk[65536];
    for (;;) {
        int timeout = -1;
        if (!end.killed) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) {
                kill(child, SIGKILL);
                end.killed = true;
            } else {
                timeout = static_cast<int>(left);
            }
        }
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, timeout) <= 0) continue;
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0) break;
        buffer.append(chunk, static_cast<size_t>(n));
        size_t start = 0;
        for (size_t newline; (newline = buffer.find('\n', start)) != std::string::npos; start = newline + 1) {
            std::string line = buffer.substr(start, newline - start);
            if (line == "ready") {
                if (fromReady && !end.killed) deadline = Clock::now() + delay;
                end.ready = true;
            } else {
                protocolOk = journal.feed(line) && protocolOk;
            }
        }
        buffer.erase(0, start);
    }
    close(fd);
    waitpid(child, &end.status, 0);
    // A writer that ended on its own between the last poll and the kill did not die of it.
    if (end.killed && !(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL)) end.killed = false;
    return end;
}

}  // namespace

int runCrashLoop(const LoopSettings& settings, std::ostream& out) {
    // A volume that does not exist yet is made here, before any writer.
    ce::objstore::setVolumePath(settings.volume);
    ce::objstore::openVolume();
    Reopened start = reopen(settings.volume);
    if (!start.image || !start.damage.empty()) {
        out << "the volume cannot be used: " << joined(start.damage) << "\n";
        return 1;
    }
    Journal journal(std::move(*start.image));
    std::mt19937_64 random(settings.seed);
    size_t lost = 0, damaged = 0, writerFailures = 0;
    unsigned kill = 0;
    while (kill < settings.kills) {
        ++kill;
        auto delay = std::chrono::milliseconds(std::uniform_int_distribution<unsigned>(0, settings.maxDelayMs)(random));
        size_t before = journal.committedChanges();
        // Every other writer runs with no other connection to the volume, so that the next
        // opener recovers the log from the file alone; the others beside this process's
        // store, whose connection keeps the log's index alive across the kill.
        if (kill % 2 == 0) ce::objstore::closeVolume();
        int fd = -1;
        pid_t child = startWriter(settings, random(), fd);
        if (child < 0) {
            out << "cannot start the writer\n";
            return 1;
        }
        bool protocolOk = true;
        // Most kills are timed from the moment the writer has read the volume and starts
        // changing it; one in eight from its start, to land in its opening of the volume.
        bool fromReady = random() % 8 != 0;
        WriterEnd end = superviseWriter(child, fd, delay, fromReady, journal, protocolOk);
        Reopened after = reopen(settings.volume);
        std::vector<std::string> failures = after.damage;
        if (!end.killed)
            failures.insert(failures.begin(), "the writer ended by itself (" +
                                                  (journal.writerFailure().empty() ? "status " + std::to_string(end.status)
                                                                                   : journal.writerFailure()) + ")");
        if (!protocolOk) failures.push_back(journal.problem());
        if (fromReady && end.killed && !end.ready) failures.push_back("the writer was not ready in 20 s");
        Journal::Verdict verdict;
        if (after.image) verdict = journal.settle(*after.image);
        for (const std::string& change : verdict.lost) failures.push_back("lost: " + change);
        lost += verdict.lost.size();
        damaged += !after.damage.empty();
        writerFailures += !end.killed || !protocolOk || (fromReady && !end.ready);
        out << "kill " << kill << " at " << delay.count() << " ms" << (fromReady ? "" : " from the start") << ": ";
        if (failures.empty())
            out << "ok, " << journal.committedChanges() - before << " changes checked, " << verdict.pending << "\n";
        else
            out << "FAILED: " << joined(failures) << "\n";
        out.flush();
        if (!after.image) break;  // nothing more can be checked on a volume that cannot be read
    }
    out << "kills " << kill << ", committed changes checked " << journal.committedChanges() << ", changes lost "
        << lost << ", damaged volumes " << damaged << ", writer failures " << writerFailures << "\n";
    return lost || damaged || writerFailures || kill < settings.kills ? 1 : 0;
}

int checkVolumeOnly(const std::string& volume, std::ostream& out) {
    ce::objstore::setVolumePath(volume);
    Reopened found = reopen(volume);
    if (found.damage.empty()) {
        out << "ok, " << found.image->databases.size() << " databases\n";
        return 0;
    }
    for (const std::string& problem : found.damage) out << problem << "\n";
    return 1;
}

}  // namespace crashcheck
