// What the viewer's model tests share: a fresh volume per test, an active application whose
// resources are the program's (with nevo_ui's behind them), message boxes answered and
// recorded, and databases filled through the object store calls.
#pragma once

#include <ceobjstore.h>
#include <cetest.h>
#include <gtest/gtest.h>
#include <windbase.h>

#include <string>
#include <vector>

#include "app/Globals.h"
#include "support/ScratchFolder.h"
#include "viewer/support/ResourceApp.h"

namespace viewer_test {

// One property of a record being written; strings and BLOBs point into the Value itself.
struct Value {
    static Value i4(CEPROPID id, LONG v) { Value x(PROP_TAG(CEVT_I4, id)); x.prop.val.lVal = v; return x; }
    static Value ui4(CEPROPID id, ULONG v) { Value x(PROP_TAG(CEVT_UI4, id)); x.prop.val.ulVal = v; return x; }
    static Value i2(CEPROPID id, SHORT v) { Value x(PROP_TAG(CEVT_I2, id)); x.prop.val.iVal = v; return x; }
    static Value boolean(CEPROPID id, BOOL v) { Value x(PROP_TAG(CEVT_BOOL, id)); x.prop.val.boolVal = v; return x; }
    static Value r8(CEPROPID id, double v) { Value x(PROP_TAG(CEVT_R8, id)); x.prop.val.dblVal = v; return x; }
    static Value text(CEPROPID id, std::u16string v) { Value x(PROP_TAG(CEVT_LPWSTR, id)); x.string = std::move(v); return x; }
    static Value time(CEPROPID id, ULONGLONG ticks) {
        Value x(PROP_TAG(CEVT_FILETIME, id));
        x.prop.val.filetime = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        return x;
    }
    static Value blob(CEPROPID id, std::vector<BYTE> v) { Value x(PROP_TAG(CEVT_BLOB, id)); x.bytes = std::move(v); return x; }

    // The record value, its pointers aimed at this object's own storage.
    CEPROPVAL value() {
        CEPROPVAL v = prop;
        if (TypeFromPropID(v.propid) == CEVT_LPWSTR) v.val.lpwstr = string.data();
        if (TypeFromPropID(v.propid) == CEVT_BLOB) v.val.blob = {static_cast<DWORD>(bytes.size()), bytes.data()};
        return v;
    }

    CEPROPVAL prop{};
    std::u16string string;
    std::vector<BYTE> bytes;

private:
    explicit Value(CEPROPID id) { prop.propid = id; }
};

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ce::objstore::setVolumePath(m_scratch.path() + "/test.vol");
        Nevo::Globals::setActiveApp(&m_app);
        ce::test::setMessageBoxResponder([this](const ce::test::MessageBoxCall& call) {
            m_boxes.push_back(call);
            return m_answer;
        });
    }
    void TearDown() override {
        ce::test::setMessageBoxResponder({});
        Nevo::Globals::setActiveApp(nullptr);
        ce::objstore::setVolumePath("");
    }

    // A database with sort orders on the given property ids (ascending, case-sensitive).
    CEOID createDatabase(const WCHAR* name, std::vector<CEPROPID> sortKeys = {}, DWORD type = 0) {
        std::vector<SORTORDERSPEC> sorts;
        for (CEPROPID key : sortKeys) sorts.push_back({key, 0});
        return CeCreateDatabase(name, type, static_cast<WORD>(sorts.size()), sorts.empty() ? nullptr : sorts.data());
    }
    // Writes one record; its OID.
    CEOID addRecord(CEOID database, std::vector<Value> values) {
        CEOID oid = database;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
        std::vector<CEPROPVAL> props;
        for (Value& v : values) props.push_back(v.value());
        CEOID record = CeWriteRecordProps(handle, 0, static_cast<WORD>(props.size()), props.data());
        CloseHandle(handle);
        return record;
    }
    // Writes `count` copies of one record through a single handle in one transaction: quick
    // enough for the tens of thousands of records that pass the 16-bit count.
    void addCopies(CEOID database, DWORD count, std::vector<Value> values) {
        CEOID oid = database;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
        std::vector<CEPROPVAL> props;
        for (Value& v : values) props.push_back(v.value());
        EXPECT_TRUE(ce::objstore::beginBatch()) << ce::objstore::lastVolumeError();
        for (DWORD i = 0; i < count; ++i) CeWriteRecordProps(handle, 0, static_cast<WORD>(props.size()), props.data());
        EXPECT_TRUE(ce::objstore::endBatch()) << ce::objstore::lastVolumeError();
        CloseHandle(handle);
    }
    // The whole count: CEDBASEINFO's keeps only its low 16 bits.
    DWORD recordCount(CEOID database) {
        CEOIDINFOEX info{};
        CeOidGetInfoEx2(nullptr, database, &info);
        return info.infDatabase.dwNumRecords;
    }

    test_support::ScratchFolder m_scratch{"viewer-test"};
    ResourceApp m_app;
    int m_answer = IDYES;
    std::vector<ce::test::MessageBoxCall> m_boxes;
};

}  // namespace viewer_test
