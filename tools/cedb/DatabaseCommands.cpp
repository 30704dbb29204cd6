// Database commands: create (name, type, sort orders) and rm (a database or some records).
#include <algorithm>

#include "Arguments.h"
#include "Commands.h"
#include "DatabaseList.h"
#include "DatabaseWriter.h"
#include "ErrorText.h"
#include "ImageCheck.h"
#include "ValueText.h"
#include "ceobjstore.h"
#include "cewchar.h"
#include "winbase.h"

namespace cedb {

namespace {

// PROPID[:desc][:nocase][:unknownfirst]
bool parseSortSpec(const std::string& text, SORTORDERSPEC& order) {
    size_t colon = text.find(':');
    auto propid = parseWord(text.substr(0, colon));
    if (!propid) return false;
    order = {*propid, 0};
    while (colon != std::string::npos) {
        size_t next = text.find(':', colon + 1);
        std::string flag = text.substr(colon + 1, next == std::string::npos ? std::string::npos : next - colon - 1);
        if (flag == "desc") order.dwFlags |= CEDB_SORT_DESCENDING;
        else if (flag == "nocase") order.dwFlags |= CEDB_SORT_CASEINSENSITIVE;
        else if (flag == "unknownfirst") order.dwFlags |= CEDB_SORT_UNKNOWNFIRST;
        else return false;
        colon = next;
    }
    return true;
}

bool parseHeader(const Arguments& args, DatabaseImage& image, std::string& error) {
    image.name = ce::fromUtf8(args.positional[0]);
    if (auto type = args.value("--type")) {
        auto parsed = parseWord(*type);
        if (!parsed) return error = "--type " + *type + " is not a 32-bit number", false;
        image.type = *parsed;
    }
    for (const std::string& text : args.values("--sort")) {
        SORTORDERSPEC order;
        if (!parseSortSpec(text, order))
            return error = "--sort " + text + " is not PROPID[:desc][:nocase][:unknownfirst]", false;
        image.sortOrders.push_back(order);
    }
    return true;
}

// The OIDs given after the name, each once: a record named twice is deleted once. False on
// one that is not a number.
bool parseOids(const std::vector<std::string>& texts, std::vector<CEOID>& oids, std::string& error) {
    for (size_t i = 1; i < texts.size(); ++i) {
        auto oid = parseWord(texts[i]);
        if (!oid) return error = texts[i] + " is not an OID", false;
        if (std::find(oids.begin(), oids.end(), *oid) == oids.end()) oids.push_back(*oid);
    }
    return true;
}

// Every record is checked to belong to the database before any is deleted.
std::string foreignRecord(CEOID database, const std::vector<CEOID>& oids, const std::string& name) {
    for (CEOID oid : oids) {
        CEOIDINFO info{};
        bool belongs = CeOidGetInfo(oid, &info) && info.wObjType == OBJTYPE_RECORD &&
                       info.infRecord.oidParent == database;
        if (!belongs) return hexWord(oid) + " is not a record of " + name;
    }
    return {};
}

int removeRecords(CEOID database, const std::vector<CEOID>& oids, const std::string& name, const Console& console) {
    std::string error = foreignRecord(database, oids, name);
    if (!error.empty()) return console.fail(c_exitRefused, error);
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return console.fail(c_exitRefused, name + ": " + lastFailure());
    // One transaction for all of them: every listed record goes, or none does.
    bool batched = ce::objstore::beginBatch();
    if (!batched) error = lastFailure();
    for (size_t i = 0; batched && i < oids.size() && error.empty(); ++i)
        if (!CeDeleteRecord(handle, oids[i])) error = hexWord(oids[i]) + ": " + lastFailure();
    CloseHandle(handle);
    if (!error.empty()) {
        // Dropping the connection without ending the batch rolls back what it deleted.
        ce::objstore::closeVolume();
        return console.fail(c_exitRefused, error + " (nothing deleted)");
    }
    if (!ce::objstore::endBatch()) return console.fail(c_exitRefused, lastFailure() + " (nothing deleted)");
    return c_exitOk;
}

}  // namespace

int runCreate(const Words& words, const Console& console) {
    Arguments args;
    std::string error;
    if (!parseArguments(words, {}, {"--type", "--sort"}, args, error)) return console.fail(c_exitUsage, error);
    if (args.positional.size() != 1) return console.fail(c_exitUsage, "create takes one database name");
    DatabaseImage image;
    if (!parseHeader(args, image, error)) return console.fail(c_exitUsage, error);
    if (!openStore(console)) return c_exitRefused;
    error = checkName(image.name, "");
    if (error.empty()) error = checkSortOrders(image.sortOrders, "--sort");
    if (error.empty()) error = checkNamesFree({image}, "");
    if (!error.empty()) return console.fail(c_exitRefused, error);
    CEOID oid = createDatabase(image);
    if (!oid) return console.fail(c_exitRefused, lastFailure());
    console.out << hexWord(oid) << '\n';
    return c_exitOk;
}

int runRemove(const Words& words, const Console& console) {
    Arguments args;
    std::string error;
    if (!parseArguments(words, {}, {}, args, error)) return console.fail(c_exitUsage, error);
    if (args.positional.empty()) return console.fail(c_exitUsage, "rm needs a database name");
    std::vector<CEOID> oids;
    if (!parseOids(args.positional, oids, error)) return console.fail(c_exitUsage, error);
    if (!openStore(console, StoreUse::MustExist)) return c_exitRefused;
    auto found = databaseNamed(ce::fromUtf8(args.positional[0]));
    if (!found) return console.fail(c_exitRefused, lastFailure());
    CEOID database = *found;
    if (!database) return console.fail(c_exitRefused, "no database named \"" + args.positional[0] + "\"");
    if (!oids.empty()) return removeRecords(database, oids, args.positional[0], console);
    if (!CeDeleteDatabase(database)) return console.fail(c_exitRefused, args.positional[0] + ": " + lastFailure());
    return c_exitOk;
}

}  // namespace cedb
