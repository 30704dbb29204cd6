// The sample databases: the default volume gets them on first use, a named volume does not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "ceobjstore.h"
#include "cewchar.h"
#include "winbase.h"
#include "windbase.h"
#include "support/ScratchFolder.h"

namespace {

class SampleDatabases : public ::testing::Test {
protected:
    void SetUp() override {
        saveAndSet("XDG_DATA_HOME", m_scratch.path().c_str());
        saveAndSet("CE_STORE", nullptr);
        ce::objstore::setVolumePath("");
    }
    void TearDown() override {
        ce::objstore::setVolumePath("");
        for (const auto& [name, value] : m_saved)
            value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
    }

    // Name -> information of every database of the current volume.
    static std::map<std::u16string, CEDBASEINFOEX> databases() {
        std::map<std::u16string, CEDBASEINFOEX> found;
        HANDLE enumeration = CeFindFirstDatabaseEx(nullptr, 0);
        while (CEOID oid = CeFindNextDatabaseEx(enumeration, nullptr)) {
            CEOIDINFOEX info{};
            info.wVersion = CEOIDINFOEX_VERSION;
            if (CeOidGetInfoEx2(nullptr, oid, &info)) found[info.infDatabase.szDbaseName] = info.infDatabase;
        }
        CloseHandle(enumeration);
        return found;
    }

    test_support::ScratchFolder m_scratch{"samples-test"};

private:
    void saveAndSet(const char* name, const char* value) {
        const char* old = std::getenv(name);
        m_saved[name] = old ? old : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    std::map<std::string, std::string> m_saved;
};

TEST_F(SampleDatabases, DefaultVolumeIsFilledWithThePocketPcDatabasesOnFirstUse) {
    ASSERT_TRUE(ce::objstore::openVolume()) << ce::objstore::lastVolumeError();
    EXPECT_EQ(ce::objstore::volumePath(), m_scratch.path() + "/orvane/objectstore.vol");
    auto found = databases();
    for (const char16_t* name : {u"Contacts Database", u"Appointments Database", u"Tasks Database",
                                 u"\\Categories Database", u"pmailMsgs", u"clog.db", u"DB_notify_queue",
                                 u"DB_notify_register"})
        EXPECT_TRUE(found.count(name)) << ce::toUtf8(name);
    EXPECT_GE(found[u"clog.db"].dwNumRecords, 3000u);
    EXPECT_GE(found[u"Contacts Database"].dwNumRecords, 200u);
    EXPECT_EQ(found[u"DB_notify_register"].wNumSortOrder, 0);
    const SORTORDERSPECEX& byFileAs = found[u"Contacts Database"].rgSortSpecs[0];
    EXPECT_EQ(byFileAs.rgPropID[0], 0x4013001Fu);
    EXPECT_EQ(byFileAs.rgdwFlags[0], DWORD{CEDB_SORT_CASEINSENSITIVE});
}

TEST_F(SampleDatabases, ContactsRepeatFileAsNamesSoThatDuplicatesCanBeFound) {
    ASSERT_TRUE(ce::objstore::openVolume());
    CEOID oid = 0;
    HANDLE contacts = CeOpenDatabaseEx(nullptr, &oid, u"Contacts Database", 0x4013001F, CEDB_AUTOINCREMENT, nullptr);
    ASSERT_NE(contacts, INVALID_HANDLE_VALUE);
    CEPROPID fileAs = 0x4013001F;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 1;
    std::u16string previous;
    int repeats = 0;
    while (CeReadRecordPropsEx(contacts, CEDB_ALLOWREALLOC, &count, &fileAs, &buffer, &size, nullptr)) {
        std::u16string name = reinterpret_cast<CEPROPVAL*>(buffer)->val.lpwstr;
        repeats += !_wcsicmp(name.c_str(), previous.c_str());
        previous = name;
        count = 1;
    }
    LocalFree(buffer);
    CloseHandle(contacts);
    EXPECT_GE(repeats, 10);
}

TEST_F(SampleDatabases, VolumeNamedExplicitlyStartsEmpty) {
    ce::objstore::setVolumePath(m_scratch.path() + "/named.vol");
    ASSERT_TRUE(ce::objstore::openVolume());
    EXPECT_TRUE(databases().empty());
}

}  // namespace
