// Test support for the database-backed models: a fresh volume with one database sorted on a
// number and on a name, a main window that takes its notifications, a second handle that
// changes records as another program would, and a fresh read to compare the models with.
#pragma once

#include <ceobjstore.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/Globals.h"
#include "common/app/RecordingWindow.h"
#include "records/CeDbListItem.h"
#include "records/MultiIndexListModel.h"
#include "support/PlainApp.h"
#include "support/ScratchFolder.h"

namespace records_test {

using namespace Nevo;

inline constexpr CEPROPID c_key = PROP_TAG(CEVT_I4, 1);
inline constexpr CEPROPID c_name = PROP_TAG(CEVT_LPWSTR, 2);
// A second number order: every record's rank is its key + 2.
inline constexpr CEPROPID c_rank = PROP_TAG(CEVT_I4, 3);
using Row = std::pair<int, std::u16string>;
using Notices = std::vector<std::pair<UINT, WPARAM>>;

class RecordItem : public CeDbListItem {
public:
    explicit RecordItem(Template* shape) : CeDbListItem(shape, 0) {}
    void draw(const DRAWITEMSTRUCT*) override {}
};

// Counts the items it builds: one per record read.
template <typename Base>
class RecordModel : public Base {
public:
    explicit RecordModel(CEPROPID order = c_key) : Base(u"Records", order) {
        this->getTemplate()->addField(TemplateField::Number, c_key, nullptr);
        this->getTemplate()->addField(TemplateField::String, c_name, nullptr);
    }
    CeDbListItem* createItem() override { return ++m_loads, new RecordItem(this->getTemplate()); }
    int m_loads = 0;
};
using DbModel = RecordModel<CeDbListModel>;
using FilteredModel = RecordModel<MultiIndexListModel>;

inline Row rowOf(ListItem* item) {
    if (!item) return {-1, u"(null)"};
    return {static_cast<int>(reinterpret_cast<intptr_t>(item->getItemData(c_key))),
            static_cast<const WCHAR*>(item->getItemData(c_name))};
}

class FrameApp : public test_support::PlainApp {
public:
    HWND getMainWindow() override { return m_frame.handle(); }
    nevo_test::RecordingWindow m_frame;
};

class RecordModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ce::objstore::setVolumePath(m_scratch.file("test.vol"));
        CEDBASEINFO info{};
        info.dwFlags = CEDB_VALIDCREATE;
        std::char_traits<WCHAR>::copy(info.szDbaseName, u"Records", 8);
        info.wNumSortOrder = 3;
        info.rgSortSpecs[0] = {c_key, 0};
        info.rgSortSpecs[1] = {c_name, 0};
        info.rgSortSpecs[2] = {c_rank, 0};
        m_id = CeCreateDatabaseEx(nullptr, &info);
        ASSERT_NE(m_id, 0u);
        Globals::setActiveApp(&m_app);
        m_writer = CeOpenDatabaseEx(nullptr, &m_id, nullptr, 0, 0, nullptr);
        m_observer.handle();
    }
    void TearDown() override {
        CloseHandle(m_writer);
        pump();
        Globals::setActiveApp(nullptr);
        ce::objstore::setVolumePath("");
    }
    // Writes a record as another program would; a null name leaves the property out.
    CEOID put(int key, const WCHAR* name, CEOID oid = 0) {
        CEPROPVAL values[3] = {{c_key, 0, 0, {}}, {c_rank, 0, 0, {}}, {c_name, 0, 0, {}}};
        values[0].val.lVal = key;
        values[1].val.lVal = key + 2;
        values[2].val.lpwstr = const_cast<LPWSTR>(name);
        return CeWriteRecordProps(m_writer, oid, name ? 3 : 2, values);
    }
    void remove(CEOID oid) { EXPECT_TRUE(CeDeleteRecord(m_writer, oid)); }
    // Hands the queued notifications on as the main frame does; how many there were.
    int pump() {
        int count = 0;
        MSG msg;
        while (PeekMessageW(&msg, m_app.getMainWindow(), WM_DBNOTIFICATION, WM_DBNOTIFICATION, PM_REMOVE))
            ++count, CeDatabase::dispatchNotification(msg.hwnd, reinterpret_cast<CENOTIFICATION*>(msg.lParam));
        return count;
    }
    // Every record in `order`, read through a handle of its own.
    std::vector<Row> fresh(CEPROPID order = c_key) {
        std::vector<Row> rows;
        CEOID oid = m_id;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, order, 0, nullptr);
        for (CEOID at = CeSeekDatabase(handle, CEDB_SEEK_BEGINNING, 0, nullptr); at;
             at = CeSeekDatabase(handle, CEDB_SEEK_CURRENT, 1, nullptr)) {
            CEPROPID ids[2] = {c_key, c_name};
            WORD count = 2;
            LPBYTE buffer = nullptr;
            DWORD size = 0;
            CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, ids, &buffer, &size, nullptr);
            auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
            bool named = !(values[1].wFlags & CEDB_PROPNOTFOUND);
            rows.emplace_back(values[0].val.lVal, named ? values[1].val.lpwstr : u"");
            LocalFree(buffer);
        }
        CloseHandle(handle);
        return rows;
    }
    template <typename Model>
    static std::vector<Row> rows(Model& model) {
        std::vector<Row> all;
        for (UINT i = 0; i < model.size(); ++i) all.push_back(rowOf(model.at(i)));
        return all;
    }
    static Notices notices() {
        Notices seen;
        for (const auto& notice : nevo_test::RecordingWindow::c_log) seen.push_back(notice.second);
        nevo_test::RecordingWindow::c_log.clear();
        return seen;
    }

    test_support::ScratchFolder m_scratch{"record-model-test"};
    FrameApp m_app;
    nevo_test::RecordingWindow m_observer;
    CEOID m_id = 0;
    HANDLE m_writer = INVALID_HANDLE_VALUE;
};

}  // namespace records_test
