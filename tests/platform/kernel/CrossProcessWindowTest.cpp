// Windows across processes as the user meets them: a second instance of a program finds the
// first one's window by class and brings it forward; destroyed windows and dead processes
// are not found; this process's own window comes first. The other process is window_peer.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "kernel/WindowDirectory.h"
#include "platform/kernel/RuntimeFolder.h"
#include "windows.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr auto c_patience = 10s;  // every wait ends: a fault fails the test, never hangs it
const WCHAR* const c_name = u"Orvane.Peer";

bool eventually(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + c_patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

HWND withLowBit(HWND hwnd) {
    return reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(hwnd) | 1);
}

std::u16string titleOf(HWND hwnd) {
    WCHAR text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

class CrossProcessWindows : public test_support::RuntimeFolderTest {
protected:
    void TearDown() override {
        for (pid_t pid : m_peers) stop(pid);
        RuntimeFolderTest::TearDown();
    }

    // Starts window_peer with the name, headless, in this test's runtime folder.
    pid_t start(const char* name = "Orvane.Peer") {
        std::vector<std::string> settings;
        for (char** entry = environ; *entry; ++entry)
            if (std::string_view(*entry).substr(0, 11) != "CE_DISPLAY=") settings.push_back(*entry);
        settings.push_back("CE_DISPLAY=headless");
        std::vector<char*> envp;
        for (std::string& setting : settings) envp.push_back(setting.data());
        envp.push_back(nullptr);
        std::string program = WINDOW_PEER_PROGRAM, reportPath = report();
        char* argv[] = {program.data(), const_cast<char*>(name), reportPath.data(), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
        m_peers.push_back(pid);
        return pid;
    }

    // A first instance, once its windows are up.
    pid_t startFirst() {
        pid_t pid = start();
        EXPECT_TRUE(eventually([this] { return reported("ready"); })) << reportText();
        return pid;
    }

    // The exit code, or -1 when it did not end in time.
    int exitCodeOf(pid_t pid) {
        int status = 0;
        bool ended = eventually([&] { return waitpid(pid, &status, WNOHANG) == pid; });
        std::erase(m_peers, pid);
        if (!ended) stop(pid);
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void stop(pid_t pid) {
        std::erase(m_peers, pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    std::string report() const { return m_scratch.file("report"); }
    std::string reportText() const {
        std::ostringstream text;
        text << std::ifstream(report()).rdbuf();
        return text.str();
    }
    bool reported(const std::string& line) const { return reportText().find(line + "\n") != std::string::npos; }

    // Polls FindWindowW until it gives something.
    HWND findEventually(const WCHAR* className, const WCHAR* title = nullptr) {
        HWND found = nullptr;
        eventually([&] { return (found = FindWindowW(className, title)) != nullptr; });
        return found;
    }

    std::vector<std::string> runtimeFiles() const {
        std::vector<std::string> names;
        if (DIR* dir = opendir(runtime().c_str())) {
            while (const dirent* entry = readdir(dir))
                if (entry->d_name[0] != '.') names.push_back(entry->d_name);
            closedir(dir);
        }
        return names;
    }

    std::vector<pid_t> m_peers;
};

TEST_F(CrossProcessWindows, ASecondInstanceBringsTheFirstForwardAndExitsWithOne) {
    startFirst();
    EXPECT_EQ(exitCodeOf(start()), 1);
    EXPECT_TRUE(eventually([this] { return reported("main activated"); })) << reportText();
}

TEST_F(CrossProcessWindows, AnotherProcesssWindowIsFoundByClassAndRaisedWithTheLowBitSet) {
    pid_t first = startFirst();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, c_name);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(mutex);
    HWND hwnd = findEventually(u"ORVANE.peer");  // class names compare without case
    ASSERT_NE(hwnd, nullptr);
    // Its handle names the owner and cannot be taken for a window of this process.
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(hwnd) >> 32, static_cast<ULONG_PTR>(first));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(hwnd) & 1, 0u);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(titleOf(hwnd), u"Orvane.Peer main");
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 16);
    EXPECT_EQ(FindWindowW(nullptr, u"orvane.peer MAIN"), hwnd);
    EXPECT_TRUE(SetForegroundWindow(withLowBit(hwnd)));
    EXPECT_TRUE(eventually([this] { return reported("main activated"); })) << reportText();
    // Its new title is published as it changes.
    EXPECT_EQ(findEventually(nullptr, u"Orvane.Peer front"), hwnd);
    EXPECT_EQ(FindWindowW(c_name, u"Orvane.Peer main"), nullptr);
    // Nothing in the folder is open to anyone but the user.
    for (const std::string& name : runtimeFiles()) {
        struct stat info {};
        ASSERT_EQ(lstat((runtime() + "/" + name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 077, 0u) << name;
    }
}

TEST_F(CrossProcessWindows, ADestroyedWindowIsNoLongerFoundWhileItsProcessLives) {
    startFirst();
    HWND main = findEventually(c_name);
    HWND other = findEventually(u"Orvane.Peer.other");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(SetForegroundWindow(main));
    ASSERT_TRUE(eventually([this] { return reported("main activated"); }));
    ASSERT_TRUE(SetForegroundWindow(other));  // which destroys the main window
    ASSERT_TRUE(eventually([this] { return reported("main destroyed"); })) << reportText();
    EXPECT_TRUE(eventually([] { return FindWindowW(c_name, nullptr) == nullptr; }));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(GetWindowTextW(main, std::array<WCHAR, 8>{}.data(), 8), 0);
    SetLastError(0);
    EXPECT_FALSE(SetForegroundWindow(withLowBit(main)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(FindWindowW(u"Orvane.Peer.other", nullptr), other);
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(CrossProcessWindows, ADeadProcesssWindowsAreNotFoundAndItsFilesAreRemoved) {
    pid_t first = startFirst();
    HWND hwnd = findEventually(c_name);
    ASSERT_NE(hwnd, nullptr);
    stop(first);
    EXPECT_EQ(FindWindowW(c_name, nullptr), nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(SetForegroundWindow(withLowBit(hwnd)));
    std::string mine = "windows-" + std::to_string(first);
    for (const std::string& name : runtimeFiles()) EXPECT_NE(name.substr(0, mine.size()), mine) << name;
    // The name is free again: the next instance is a first one.
    pid_t next = startFirst();
    EXPECT_NE(findEventually(c_name), nullptr);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(findEventually(c_name)) >> 32, static_cast<ULONG_PTR>(next));
}

TEST_F(CrossProcessWindows, ThisProcesssOwnWindowIsFoundFirst) {
    startFirst();
    HWND theirs = findEventually(c_name);
    ASSERT_NE(theirs, nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = c_name;
    ATOM atom = RegisterClassW(&wc);
    ASSERT_NE(atom, 0);
    HWND ours = CreateWindowExW(0, c_name, u"ours", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(FindWindowW(c_name, nullptr), ours);
    DestroyWindow(ours);
    EXPECT_EQ(FindWindowW(c_name, nullptr), theirs);
    // An atom names a class of this process only.
    EXPECT_EQ(FindWindowW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom)), nullptr), nullptr);
    UnregisterClassW(c_name, nullptr);
}

// This process publishes its own windows: window_peer as a second instance raises ours.
TEST_F(CrossProcessWindows, AnotherInstanceBringsThisProcesssWindowForward) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, u"Orvane.Here");
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    for (const WCHAR* name : {u"Orvane.Here", u"Orvane.Elsewhere"}) {
        wc.lpszClassName = name;
        ASSERT_NE(RegisterClassW(&wc), 0);
    }
    HWND main = CreateWindowExW(0, u"Orvane.Here", u"main", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND front = CreateWindowExW(0, u"Orvane.Elsewhere", u"front", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_EQ(GetActiveWindow(), front);
    pid_t second = start("Orvane.Here");
    int status = 0;
    bool done = eventually([&] {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        return GetActiveWindow() == main && waitpid(second, &status, WNOHANG) == second;
    });
    std::erase(m_peers, second);
    EXPECT_TRUE(done);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(GetActiveWindow(), main);
    DestroyWindow(front);
    DestroyWindow(main);
    UnregisterClassW(u"Orvane.Here", nullptr);
    UnregisterClassW(u"Orvane.Elsewhere", nullptr);
    CloseHandle(mutex);
}

// Records nobody vouches for: a dead process's are removed unread, and a half-written file
// of a live one is no window.
TEST_F(CrossProcessWindows, RecordsOfADeadProcessOrCutShortAreNotWindows) {
    pid_t dead = fork();
    if (dead == 0) _exit(0);
    waitpid(dead, nullptr, 0);
    ASSERT_EQ(mkdir(runtime().c_str(), 0700), 0);
    auto handle = (static_cast<std::uint64_t>(dead) << 32) | 0x20002;
    std::string records = ce::kernel::formatWindowRecords({{handle, c_name, u"ghost"}});
    std::string file = ce::kernel::WindowDirectory::fileOf(runtime(), dead);
    std::ofstream(file) << records;
    EXPECT_EQ(FindWindowW(c_name, nullptr), nullptr);
    EXPECT_NE(access(file.c_str(), F_OK), 0);  // cleaned up on the way
    // The same process alive (its lock held) but its file cut short.
    int lock = open(ce::kernel::WindowDirectory::fileOf(runtime(), dead, ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    std::ofstream(file) << records.substr(0, records.size() - 2);
    EXPECT_EQ(FindWindowW(c_name, nullptr), nullptr);
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(handle))));
    std::ofstream(file) << records;
    EXPECT_EQ(FindWindowW(c_name, nullptr), reinterpret_cast<HWND>(static_cast<ULONG_PTR>(handle)));
    close(lock);
}

// A live process's records that are no regular file of a sane size are not read: a FIFO
// would block the reader, a link may lead anywhere (/dev/zero has no end), and a huge file
// would be read whole into memory.
TEST_F(CrossProcessWindows, RecordsThatAreNoPlainFileOfASaneSizeAreNotRead) {
    pid_t other = fork();
    if (other == 0) _exit(0);
    waitpid(other, nullptr, 0);
    ASSERT_EQ(mkdir(runtime().c_str(), 0700), 0);
    int lock = open(ce::kernel::WindowDirectory::fileOf(runtime(), other, ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);  // the process counts as alive
    auto handle = (static_cast<std::uint64_t>(other) << 32) | 0x20002;
    std::string file = ce::kernel::WindowDirectory::fileOf(runtime(), other);
    auto notFound = [] { return FindWindowW(c_name, nullptr) == nullptr; };

    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    EXPECT_TRUE(test_support::succeedsWithin(c_patience, notFound));
    unlink(file.c_str());

    std::string elsewhere = m_scratch.file("elsewhere");
    std::ofstream(elsewhere) << ce::kernel::formatWindowRecords({{handle, c_name, u"linked"}});
    ASSERT_EQ(symlink(elsewhere.c_str(), file.c_str()), 0);
    EXPECT_TRUE(notFound());
    unlink(file.c_str());

    std::vector<ce::kernel::WindowRecord> many(40000, {handle, c_name, u"one of many"});
    std::ofstream(file) << ce::kernel::formatWindowRecords(many);
    EXPECT_TRUE(notFound());
    // The same window in a file of its own size is found.
    std::ofstream(file) << ce::kernel::formatWindowRecords({many[0]});
    EXPECT_EQ(FindWindowW(c_name, nullptr), reinterpret_cast<HWND>(static_cast<ULONG_PTR>(handle)));
    close(lock);
}

}  // namespace
