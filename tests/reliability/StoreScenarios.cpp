// The object store's own calls, as cedb makes them: reading every database in every order,
// finding a record by value, each kind of change, and an import (one batch, all or nothing).
#include <ceobjstore.h>
#include <windbase.h>
#include <windows.h>

#include <sstream>

#include "Commands.h"
#include "DatabaseList.h"
#include "JsonFormat.h"
#include "JsonText.h"
#include "PropertyValue.h"
#include "RecordReader.h"
#include "StoreScenarios.h"
#include "VolumeState.h"

namespace sweep {

namespace {

constexpr CEPROPID c_name = 0x4001001f;
constexpr CEPROPID c_born = 0x40020040;
constexpr CEPROPID c_count = 0x40030003;
constexpr CEPROPID c_note = 0x0001001f;

cedb::PropertyValue text(CEPROPID propid, const std::u16string& value) {
    cedb::PropertyValue property;
    property.propid = propid;
    property.text = value;
    return property;
}

cedb::PropertyValue number(CEPROPID propid, std::int64_t value) {
    cedb::PropertyValue property;
    property.propid = propid;
    property.integer = value;
    return property;
}

// A handle on the named database, closed with the object.
class Open {
public:
    explicit Open(const WCHAR* name, CEPROPID order = 0) {
        CEOID oid = 0;
        m_handle = CeOpenDatabaseEx(nullptr, &oid, name, order, 0, nullptr);
    }
    ~Open() {
        if (ok()) CloseHandle(m_handle);
    }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;
    bool ok() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE handle() const { return m_handle; }

private:
    HANDLE m_handle;
};

// The OID of the record at `index` in creation order, 0 with the last error set.
CEOID recordAt(const WCHAR* database, DWORD index) {
    Open open(database);
    if (!open.ok()) return 0;
    DWORD at = 0;
    return CeSeekDatabase(open.handle(), CEDB_SEEK_BEGINNING, index, &at);
}

StepResult write(const WCHAR* database, CEOID record, std::vector<cedb::PropertyValue> values, DWORD flags = 0) {
    Open open(database);
    if (!open.ok()) return resultOf(false);
    std::vector<CEPROPVAL> props;
    for (const cedb::PropertyValue& value : values) {
        props.push_back(value.toPropVal());
        props.back().wFlags = static_cast<WORD>(flags);
    }
    return resultOf(CeWriteRecordProps(open.handle(), record, static_cast<WORD>(props.size()), props.data()) != 0);
}

StepResult listDatabases() {
    auto oids = cedb::databaseOids();
    if (!oids) return resultOf(false);
    std::string shown;
    for (CEOID oid : *oids) {
        auto info = cedb::databaseInfo(oid);
        if (!info) return resultOf(false);
        shown += std::string(info->szDbaseName, info->szDbaseName + 8) + " " + std::to_string(info->dwNumRecords) + "\n";
    }
    return resultOf(true, shown);
}

StepResult walk(const std::u16string& name, CEPROPID order) {
    auto oid = cedb::databaseNamed(name);
    if (!oid || !*oid) return resultOf(false);
    cedb::RecordReader reader;
    if (!reader.open(*oid, order)) return resultOf(false);
    cedb::DatabaseImage image;
    cedb::RecordImage record;
    while (reader.next(record)) image.records.push_back(record);
    if (reader.failed()) return resultOf(false);
    return resultOf(true, cedb::exportText(cedb::toJson({image})));
}

// A seek by value in the name order, then a read of the record found into a buffer the call
// grows.
StepResult findByName() {
    Open open(u"Contacts", c_name);
    if (!open.ok()) return resultOf(false);
    std::u16string name = u"grace hopper";
    CEPROPVAL key{};
    key.propid = c_name;
    key.val.lpwstr = name.data();
    DWORD index = 0;
    if (!CeSeekDatabase(open.handle(), CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), &index))
        return resultOf(false);
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    bool read = CeReadRecordPropsEx(open.handle(), CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr) != 0;
    if (!read && GetLastError() == ERROR_INSUFFICIENT_BUFFER) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    std::string shown = "at " + std::to_string(index) + ", " + std::to_string(count) + " properties";
    if (buffer) LocalFree(buffer);
    return resultOf(read, shown);
}

std::vector<Step> readSteps() {
    return {
        {"list the databases", listDatabases},
        {"read Contacts in creation order", [] { return walk(u"Contacts", 0); }},
        {"read Contacts by name", [] { return walk(u"Contacts", c_name); }},
        {"read Contacts by birth, descending", [] { return walk(u"Contacts", c_born); }},
        {"read Notes", [] { return walk(u"Notes", 0); }},
        {"find a contact by name", findByName},
    };
}

std::vector<Step> writeSteps() {
    return {
        {"add a contact", [] { return write(u"Contacts", 0, {text(c_name, u"Alan Turing"), number(c_count, 7)}); }},
        {"change a contact's name",
         [] {
             CEOID first = recordAt(u"Contacts", 0);
             return first ? write(u"Contacts", first, {text(c_name, u"Ada Lovelace")}) : resultOf(false);
         }},
        {"delete a property",
         [] {
             CEOID first = recordAt(u"Contacts", 0);
             return first ? write(u"Contacts", first, {number(c_born, 0)}, CEDB_PROPDELETE) : resultOf(false);
         }},
        {"delete a contact",
         [] {
             CEOID second = recordAt(u"Contacts", 1);
             Open open(u"Contacts");
             return resultOf(second && open.ok() && CeDeleteRecord(open.handle(), second));
         }},
        {"create a database",
         [] {
             SORTORDERSPEC order{c_note, CEDB_SORT_DESCENDING};
             return resultOf(CeCreateDatabase(u"Sweep", 7, 1, &order) != 0);
         }},
        {"write a record", [] { return write(u"Sweep", 0, {text(c_note, u"one")}); }},
        {"delete a database",
         [] {
             auto oid = cedb::databaseNamed(u"Notes");
             return resultOf(oid && *oid && CeDeleteDatabase(*oid));
         }},
    };
}

StepResult import() {
    std::ostringstream out, err;
    cedb::Console console{out, err, true};
    int code = cedb::runImport({ORVANE_SWEEP_IMPORT_JSON}, console);
    if (code == cedb::c_exitOk) return resultOf(true, out.str());
    if (err.str().find("out of memory") != std::string::npos) return {Outcome::OutOfMemory, {}, {}};
    return {Outcome::OtherError, {}, err.str()};
}

}  // namespace

std::vector<Scenario> storeScenarios() {
    return {
        {"read", "read every database in every order, and find a record by value", false, false, readSteps},
        {"write", "add, change, delete records and properties, create and delete databases", false,
         false, writeSteps},
        {"import", "cedb import of two databases", false, false, [] { return std::vector<Step>{{"import", import}}; }},
    };
}

}  // namespace sweep
