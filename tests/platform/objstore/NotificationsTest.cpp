// Change notifications: another handle's changes are posted to the request's window with a
// CENOTIFICATION from the request's heap; the handle that made a change is not told.
#include "TempVolume.h"
#include "cetest.h"
#include "winuser.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);

class Notifications : public TempVolume {
protected:
    void SetUp() override {
        TempVolume::SetUp();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = u"ObjstoreNotified";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, u"ObjstoreNotified", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override {
        DestroyWindow(m_window);
        UnregisterClassW(u"ObjstoreNotified", nullptr);
        TempVolume::TearDown();
    }
    CENOTIFYREQUEST request(HANDLE heap, DWORD_PTR param) {
        return {sizeof(CENOTIFYREQUEST), m_window, CEDB_EXNOTIFICATION, heap, param};
    }
    // Takes the pending notifications off the queue, as (type, oid) pairs.
    std::vector<std::pair<UINT, CEOID>> received(CENOTIFYREQUEST& req, DWORD_PTR param, CEOID database) {
        std::vector<std::pair<UINT, CEOID>> result;
        MSG msg;
        while (PeekMessageW(&msg, m_window, WM_DBNOTIFICATION, WM_DBNOTIFICATION, PM_REMOVE)) {
            auto* note = reinterpret_cast<CENOTIFICATION*>(msg.lParam);
            EXPECT_EQ(note->dwSize, sizeof(CENOTIFICATION));
            EXPECT_EQ(note->dwParam, param);
            EXPECT_EQ(note->oidParent, database);
            result.emplace_back(note->uType, note->oid);
            EXPECT_TRUE(CeFreeNotification(&req, note));
        }
        return result;
    }

    HWND m_window = nullptr;
};

using Received = std::vector<std::pair<UINT, CEOID>>;

TEST_F(Notifications, AnotherHandlesChangesArePostedAndTheWriterIsNotTold) {
    CEOID oid = createDb(u"watched");
    CENOTIFYREQUEST watcherRequest = request(nullptr, 0x1234);
    CENOTIFYREQUEST writerRequest = request(nullptr, 0x5678);
    HANDLE watcher = open(oid, 0, 0, &watcherRequest);
    HANDLE writer = open(oid, 0, 0, &writerRequest);
    CEOID record = put(writer, {number(c_value, 1)});
    put(writer, {number(c_value, 2)}, record);
    CeDeleteRecord(writer, record);
    EXPECT_EQ(received(watcherRequest, 0x1234, oid),
              (Received{{DB_CEOID_CREATED, record}, {DB_CEOID_CHANGED, record}, {DB_CEOID_RECORD_DELETED, record}}));
    CloseHandle(watcher);
    CloseHandle(writer);
}

TEST_F(Notifications, NotificationsComeFromTheRequestsHeapAndGoBackToIt) {
    CEOID oid = createDb(u"watched");
    HANDLE heap = HeapCreate(0, 0, 0);
    CENOTIFYREQUEST watcherRequest = request(heap, 7);
    HANDLE watcher = open(oid, 0, 0, &watcherRequest);
    HANDLE writer = open(oid);
    put(writer, {number(c_value, 1)});
    EXPECT_EQ(ce::test::heapBlockCount(heap), 1u);
    EXPECT_EQ(received(watcherRequest, 7, oid).size(), 1u);
    EXPECT_EQ(ce::test::heapBlockCount(heap), 0u);
    CloseHandle(watcher);
    put(writer, {number(c_value, 2)});  // a closed handle is told nothing
    EXPECT_EQ(ce::test::heapBlockCount(heap), 0u);
    CloseHandle(writer);
    HeapDestroy(heap);
}

}  // namespace
}  // namespace objstore_test
