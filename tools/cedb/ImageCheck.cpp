// Checks of names, sort orders and record limits before cedb writes to a volume.
#include "ImageCheck.h"

#include "DatabaseList.h"
#include "ErrorText.h"
#include "ValueText.h"
#include "cewchar.h"

namespace cedb {

namespace {

constexpr size_t c_maxNameLength = CEDB_MAXDBASENAMELEN - 1;
constexpr size_t c_recordOverhead = 20;
constexpr size_t c_propertyOverhead = 4;
// In UTF-16 units, as the store keeps strings, with room for the terminator.
constexpr size_t c_maxStringLength = CEDB_MAXPROPDATASIZE / sizeof(WCHAR) - 1;

std::string quoted(const std::u16string& name) {
    return "\"" + ce::toUtf8(name) + "\"";
}

std::string checkProperty(const PropertyValue& value, const std::string& where) {
    if (!typeName(value.type()))
        return located(where, "unknown type " + hexNumber(value.type()) + " in property " + hexWord(value.propid));
    if (value.type() == CEVT_LPWSTR && value.text.find(u'\0') != std::u16string::npos)
        return located(where, "a string may not contain a NUL character");
    if (value.type() == CEVT_LPWSTR && value.text.size() > c_maxStringLength)
        return located(where, "a string of " + std::to_string(value.text.size()) + " characters, more than the " +
                                  std::to_string(c_maxStringLength) + " a property may hold");
    if (value.dataSize() > CEDB_MAXPROPDATASIZE)
        return located(where, std::to_string(value.dataSize()) + " bytes of data, more than the " +
                                  std::to_string(CEDB_MAXPROPDATASIZE) + " a property may hold");
    return {};
}

size_t recordSize(const RecordImage& record) {
    size_t size = c_recordOverhead;
    for (const PropertyValue& value : record) size += c_propertyOverhead + value.dataSize();
    return size;
}

}  // namespace

std::string located(const std::string& where, const std::string& message) {
    return where.empty() ? message : where + ": " + message;
}

std::string checkName(const std::u16string& name, const std::string& where) {
    if (name.empty()) return located(where, "a database needs a name");
    if (name.find(u'\0') != std::u16string::npos) return located(where, "a name may not contain a NUL character");
    if (name.size() > c_maxNameLength)
        return located(where, quoted(name) + " is longer than " + std::to_string(c_maxNameLength) + " characters");
    return {};
}

std::string checkSortOrders(const std::vector<SORTORDERSPEC>& sortOrders, const std::string& where) {
    if (sortOrders.size() > CEDB_MAXSORTORDER)
        return located(where, std::to_string(sortOrders.size()) + " sort orders, more than the " +
                                  std::to_string(CEDB_MAXSORTORDER) + " a database may have");
    for (size_t i = 0; i < sortOrders.size(); ++i) {
        std::string at = where + "[" + std::to_string(i) + "]";
        CEPROPID propid = sortOrders[i].propid;
        WORD type = TypeFromPropID(propid);
        if (!typeName(type))
            return located(at, "unknown type " + hexNumber(type) + " in property " + hexWord(propid));
        if (type == CEVT_BLOB) return located(at, "a BLOB property (" + hexWord(propid) + ") cannot be a sort key");
    }
    return {};
}

std::string checkRecord(const RecordImage& record, const std::string& where, const std::vector<std::string>& places) {
    for (size_t i = 0; i < record.size(); ++i) {
        std::string at = i < places.size() ? places[i] : where + "[" + std::to_string(i) + "]";
        if (std::string problem = checkProperty(record[i], at); !problem.empty()) return problem;
        for (size_t j = 0; j < i; ++j)
            if (record[j].propid == record[i].propid)
                return located(at, "property " + hexWord(record[i].propid) + " appears twice in the record");
    }
    if (size_t size = recordSize(record); size > CEDB_MAXRECORDSIZE)
        return located(where, std::to_string(size) + " bytes, more than the " + std::to_string(CEDB_MAXRECORDSIZE) +
                                  " a record may hold");
    return {};
}

std::string checkDatabase(const DatabaseImage& database, const std::string& where) {
    std::string problem = checkName(database.name, where.empty() ? "" : where + ".name");
    if (problem.empty()) problem = checkSortOrders(database.sortOrders, where + ".sortOrders");
    for (size_t i = 0; problem.empty() && i < database.records.size(); ++i)
        problem = checkRecord(database.records[i], where + ".records[" + std::to_string(i) + "]");
    return problem;
}

std::string checkNamesFree(const std::vector<DatabaseImage>& databases, const std::string& where) {
    for (size_t i = 0; i < databases.size(); ++i) {
        std::string at = where.empty() ? "" : where + "[" + std::to_string(i) + "].name";
        const std::u16string& name = databases[i].name;
        auto found = databaseNamed(name);
        if (!found) return lastFailure();
        if (*found) return located(at, quoted(name) + " is already in the volume");
        for (size_t j = 0; j < i; ++j)
            if (!_wcsicmp(databases[j].name.c_str(), name.c_str()))
                return located(at, quoted(name) + " is given twice");
    }
    return {};
}

}  // namespace cedb
