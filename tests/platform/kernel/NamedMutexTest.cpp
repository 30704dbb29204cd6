// Named mutexes across processes: first creator, later openers, wrong kinds, dead holders,
// the runtime folder's safety checks, and names another process keeps locked.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "kernel/NamedObject.h"
#include "kernel/RuntimeDirectory.h"
#include "platform/kernel/RuntimeFolder.h"
#include "winbase.h"

namespace {

using NamedMutex = test_support::RuntimeFolderTest;

// A child process that holds the name until it is killed; returns its pid once it holds it.
pid_t holdInChild(const WCHAR* name) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        HANDLE held = CreateMutexW(nullptr, FALSE, name);
        char ok = held && GetLastError() == 0 ? 'y' : 'n';
        if (write(ready[1], &ok, 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char ok = 0;
    bool held = read(ready[0], &ok, 1) == 1 && ok == 'y';
    close(ready[0]);
    return held ? pid : -1;
}

void kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

TEST_F(NamedMutex, FirstCreatorGetsNoErrorAndLaterOpenersOfTheSameNameGetAlreadyExists) {
    HANDLE first = CreateMutexW(nullptr, FALSE, u"Orvane.Single");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    HANDLE second = CreateMutexW(nullptr, FALSE, u"Orvane.Single");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_NE(first, second);
    // Names are case-sensitive.
    HANDLE other = CreateMutexW(nullptr, FALSE, u"orvane.single");
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_TRUE(CloseHandle(other));
    // The last handle gone, the name is free again.
    HANDLE again = CreateMutexW(nullptr, FALSE, u"Orvane.Single");
    EXPECT_EQ(GetLastError(), 0u);
    CloseHandle(again);
}

TEST_F(NamedMutex, AnotherProcessSeesTheNameUntilItsHolderDies) {
    pid_t holder = holdInChild(u"Orvane.Shared");
    ASSERT_GT(holder, 0);
    HANDLE opened = CreateMutexW(nullptr, FALSE, u"Orvane.Shared");
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(opened);
    kill(holder);
    HANDLE fresh = CreateMutexW(nullptr, FALSE, u"Orvane.Shared");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    CloseHandle(fresh);
}

TEST_F(NamedMutex, ANameHeldByAnotherKindOfObjectIsRefusedWithInvalidHandle) {
    ce::kernel::NamedObject marker;
    ASSERT_EQ(ce::kernel::NamedObject::open("marker", u"Orvane.Taken", marker),
              ce::kernel::NamedObject::Result::created);
    SetLastError(0);
    EXPECT_EQ(CreateMutexW(nullptr, FALSE, u"Orvane.Taken"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(NamedMutex, UnnamedMutexesAreLocalHandlesThatCloseHandleCloses) {
    HANDLE a = CreateMutexW(nullptr, FALSE, nullptr);
    HANDLE b = CreateMutexW(nullptr, TRUE, nullptr);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_TRUE(CloseHandle(a));
    EXPECT_FALSE(CloseHandle(a));
    EXPECT_TRUE(CloseHandle(b));
}

TEST_F(NamedMutex, OddCharactersInNamesStayInsideTheRuntimeFolderAndDistinct) {
    EXPECT_EQ(ce::kernel::NamedObject::encode(u"../a/b c"), "%2E%2E%2Fa%2Fb%20c");
    EXPECT_EQ(ce::kernel::NamedObject::encode(u"é"), "%C3%A9");
    HANDLE slash = CreateMutexW(nullptr, FALSE, u"a/b");
    HANDLE percent = CreateMutexW(nullptr, FALSE, u"a%2Fb");
    EXPECT_EQ(GetLastError(), 0u);
    CloseHandle(slash);
    CloseHandle(percent);
}

TEST_F(NamedMutex, RuntimeFolderIsCreatedPrivateAndOneOpenToOthersIsRefused) {
    HANDLE named = CreateMutexW(nullptr, FALSE, u"Orvane.Private");
    ASSERT_NE(named, nullptr);
    struct stat info {};
    ASSERT_EQ(stat(runtime().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    CloseHandle(named);

    ASSERT_EQ(chmod(runtime().c_str(), 0755), 0);
    EXPECT_EQ(CreateMutexW(nullptr, FALSE, u"Orvane.Private"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

// A process that keeps a lock for itself (stuck, or not one of ours) costs CreateMutexW a
// bounded wait and a refusal, never a hang; the lock once gone, the name is had again.
TEST_F(NamedMutex, ALockAnotherProcessKeepsIsRefusedWithinTheWaitNotWaitedForEver) {
    ASSERT_EQ(mkdir(runtime().c_str(), 0700), 0);
    auto limit = ce::kernel::c_lockPatience + std::chrono::seconds(5);
    auto refused = [] {
        return CreateMutexW(nullptr, FALSE, u"Orvane.Kept") == nullptr && GetLastError() == static_cast<DWORD>(ERROR_ACCESS_DENIED);
    };
    std::string object = runtime() + "/object-" + ce::kernel::NamedObject::encode(u"Orvane.Kept");
    int kept = open(object.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(write(kept, "mutex", 5), 5);
    ASSERT_EQ(flock(kept, LOCK_EX), 0);
    EXPECT_TRUE(test_support::succeedsWithin(limit, refused));
    close(kept);

    int folder = open((runtime() + "/names.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    EXPECT_TRUE(test_support::succeedsWithin(limit, refused));
    close(folder);

    HANDLE mutex = CreateMutexW(nullptr, FALSE, u"Orvane.Kept");
    EXPECT_NE(mutex, nullptr);
    CloseHandle(mutex);
}

// A name's file that is a link is not followed: the file it points to stays as it was.
TEST_F(NamedMutex, ANameWhoseFileIsALinkIsRefusedAndItsTargetLeftAlone) {
    ASSERT_EQ(mkdir(runtime().c_str(), 0700), 0);
    std::string target = m_scratch.file("precious");
    std::ofstream(target) << "keep me";
    std::string object = runtime() + "/object-" + ce::kernel::NamedObject::encode(u"Orvane.Link");
    ASSERT_EQ(symlink(target.c_str(), object.c_str()), 0);
    EXPECT_EQ(CreateMutexW(nullptr, FALSE, u"Orvane.Link"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    std::stringstream text;
    text << std::ifstream(target).rdbuf();
    EXPECT_EQ(text.str(), "keep me");
}

}  // namespace
