// Another process's changes: a reader's next seek after each write that another process
// makes to the 1,000,000-record database, with the change log followed (each change put into
// the open order in O(log n)) against the order rebuilt from the file (the store told to
// ignore the log, as it does on a volume without one), in the same run.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "BenchSuite.h"
#include "StoreVolume.h"
#include "ceobjstore.h"
#include "winbase.h"

namespace bench {

namespace {

constexpr std::int64_t c_writes = 100;

// The other process: this program again, started with c_changeLogWriterFlag.
class Writer {
public:
    explicit Writer(const std::string& volume) {
        int toChild[2], fromChild[2];
        if (pipe2(toChild, O_CLOEXEC) != 0) return;
        if (pipe2(fromChild, O_CLOEXEC) != 0) {
            close(toChild[0]);
            close(toChild[1]);
            return;
        }
        m_child = fork();
        if (m_child == 0) {
            dup2(toChild[0], STDIN_FILENO);
            dup2(fromChild[1], STDOUT_FILENO);
            execl("/proc/self/exe", "objstore_bench", c_changeLogWriterFlag, volume.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_to = toChild[1];
        m_from = fromChild[0];
    }
    ~Writer() {
        if (m_to >= 0) close(m_to);  // the writer undoes its last add and ends
        if (m_from >= 0) close(m_from);
        if (m_child > 0) waitpid(m_child, nullptr, 0);
    }
    // One change, committed when this returns true.
    bool write() {
        char byte = 'w';
        return m_child > 0 && ::write(m_to, &byte, 1) == 1 && ::read(m_from, &byte, 1) == 1 && byte == 'd';
    }

private:
    pid_t m_child = -1;
    int m_to = -1;
    int m_from = -1;
};

void seekAfterOtherWrite(benchmark::State& state, std::uint32_t count, bool followLog) {
    if (!StoreVolume::use(count)) return state.SkipWithError("cannot build the object store volume");
    HANDLE handle = StoreVolume::open(StoreVolume::c_number);
    if (handle == INVALID_HANDLE_VALUE) return state.SkipWithError("cannot open the benchmark database");
    Writer writer(ce::objstore::volumePath());
    ce::objstore::setChangeLogFollowed(followLog);
    for (auto _ : state) {
        state.PauseTiming();
        bool written = writer.write();
        state.ResumeTiming();
        if (!written) {
            state.SkipWithError("the other process could not write");
            break;
        }
        benchmark::DoNotOptimize(CeSeekDatabase(handle, CEDB_SEEK_BEGINNING, count / 2, nullptr));
    }
    ce::objstore::setChangeLogFollowed(true);
    CloseHandle(handle);
}

}  // namespace

int runChangeLogWriter(const char* volume) {
    ce::objstore::setVolumePath(volume);
    HANDLE handle = StoreVolume::open(0);
    if (handle == INVALID_HANDLE_VALUE) return 1;
    // Adds and deletes by turns, so the database keeps its size (and its cached volume).
    CEOID added = 0;
    BenchRecord record = benchRecord(0);
    CEPROPVAL props[StoreVolume::c_propCount];
    StoreVolume::fillProps(record, props);
    for (char byte; read(STDIN_FILENO, &byte, 1) == 1;) {
        bool done = added ? CeDeleteRecord(handle, std::exchange(added, 0)) != FALSE
                          : (added = CeWriteRecordProps(handle, 0, StoreVolume::c_propCount, props)) != 0;
        char answer = done ? 'd' : 'f';
        if (write(STDOUT_FILENO, &answer, 1) != 1) break;
    }
    if (added) CeDeleteRecord(handle, added);
    CloseHandle(handle);
    return 0;
}

void registerChangeLog(std::uint32_t count) {
    for (bool followLog : {true, false}) {
        std::string name = std::string("store/SeekAfterOtherWrite") + (followLog ? "" : "Rebuilt") + "/I4/" + sizeName(count);
        benchmark::RegisterBenchmark(name.c_str(), seekAfterOtherWrite, count, followLog)
            ->Iterations(c_writes)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace bench
