// Writes checked database images to the volume: one transaction per call, so a failure
// midway is undone by deleting what this write created.
#include "DatabaseWriter.h"

#include "ErrorText.h"
#include "ImageCheck.h"
#include "cewchar.h"
#include "winbase.h"

namespace cedb {

namespace {

bool writeRecords(CEOID oid, const DatabaseImage& image, std::string& error) {
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastFailure();
        return false;
    }
    for (size_t i = 0; i < image.records.size() && error.empty(); ++i)
        if (!addRecord(handle, image.records[i]))
            error = located(ce::toUtf8(image.name) + " record " + std::to_string(i), lastFailure());
    CloseHandle(handle);
    return error.empty();
}

}  // namespace

CEOID createDatabase(const DatabaseImage& image) {
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    std::copy(image.name.begin(), image.name.end(), info.szDbaseName);
    info.dwDbaseType = image.type;
    info.wNumSortOrder = static_cast<WORD>(image.sortOrders.size());
    std::copy(image.sortOrders.begin(), image.sortOrders.end(), info.rgSortSpecs);
    return CeCreateDatabaseEx(nullptr, &info);
}

CEOID addRecord(HANDLE database, const RecordImage& record) {
    std::vector<CEPROPVAL> values;
    for (const PropertyValue& value : record) values.push_back(value.toPropVal());
    if (values.empty()) {
        // A record without properties: a write that only removes one creates it empty.
        CEPROPVAL placeholder{};
        placeholder.propid = PROP_TAG(CEVT_I4, 1);
        placeholder.wFlags = CEDB_PROPDELETE;
        values.push_back(placeholder);
    }
    return CeWriteRecordProps(database, 0, static_cast<WORD>(values.size()), values.data());
}

bool writeDatabases(const std::vector<DatabaseImage>& databases, std::string& error) {
    std::vector<CEOID> created;
    for (const DatabaseImage& image : databases) {
        CEOID oid = createDatabase(image);
        if (!oid) {
            error = located(ce::toUtf8(image.name), lastFailure());
            break;
        }
        created.push_back(oid);
        if (!writeRecords(oid, image, error)) break;
    }
    if (error.empty()) return true;
    for (CEOID oid : created) CeDeleteDatabase(oid);
    return false;
}

}  // namespace cedb
