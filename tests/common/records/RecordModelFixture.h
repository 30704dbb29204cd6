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
#include "common/records/CountedItem.h"
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

// Counts the items it builds: one per record read.
template <typename Base>
class RecordModel : public Base {
public:
    explicit RecordModel(CEPROPID order = c_key) : Base(u"Records", order) {
        this->getTemplate()->addField(TemplateField::Number, c_key, nullptr);
        this->getTemplate()->addField(TemplateField::String, c_name, nullptr);
    }
    CeDbListItem* createItem() override { return ++m_loads, new nevo_test::CountedItem(this->getTemplate()); }
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
        CeDatabase reader(m_id);
        reader.open(nullptr, order, nullptr);
        for (CEOID at = reader.seekToIndex(0); at; at = reader.seekNext()) {
            CEPROPVAL* values = reader.read(nullptr, c_key, c_name);
            rows.emplace_back(values[0].val.lVal, values[1].wFlags & CEDB_PROPNOTFOUND ? u"" : values[1].val.lpwstr);
        }
        return rows;
    }
    static std::vector<Row> rows(ListModel& model) {
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
