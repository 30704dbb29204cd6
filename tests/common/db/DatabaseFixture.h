// Test support for the database wrapper: a fresh volume with one empty database, records
// added through a handle of its own, and an application whose main window takes notifications.
#pragma once

#include <ceobjstore.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/App.h"
#include "db/CeDatabase.h"
#include "support/ScratchFolder.h"

namespace db_test {

using namespace Nevo;

inline constexpr CEPROPID c_number = PROP_TAG(CEVT_I4, 1);

class CeDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ce::objstore::setVolumePath(m_scratch.path() + "/test.vol");
        m_id = CeCreateDatabase(u"Test", 0, 0, nullptr);
    }
    void TearDown() override {
        ce::objstore::setVolumePath("");
    }
    // Adds records through a handle of its own; their OIDs.
    std::vector<CEOID> add(int count, CEPROPID propid = c_number, const WCHAR* text = nullptr) {
        CEOID oid = m_id;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
        std::vector<CEOID> oids;
        for (int i = 0; i < count; ++i) {
            CEPROPVAL value{propid, 0, 0, {}};
            text ? void(value.val.lpwstr = const_cast<LPWSTR>(text)) : void(value.val.lVal = i);
            oids.push_back(CeWriteRecordProps(handle, 0, 1, &value));
        }
        CloseHandle(handle);
        return oids;
    }
    test_support::ScratchFolder m_scratch{"cedatabase-test"};
    CEOID m_id = 0;
};

class WindowApp : public App, public DbNotifListener {
public:
    void createCards(HWND) override {}
    ResourceLoader* getResourceLoader() override { return nullptr; }
    void showAbout(HWND) override {}
    HWND getMainWindow() override { return m_window; }
    int showTopicHelp() override { return 0; }
    int handleDbNotification(CENOTIFICATION* notification) override { return m_type = notification->uType, 7; }
    HWND m_window = nullptr;
    UINT m_type = 0;
};

}  // namespace db_test
