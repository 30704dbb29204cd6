// Record commands: show (every record in one of the database's orders) and put (add one).
#include "Arguments.h"
#include "Commands.h"
#include "DatabaseList.h"
#include "DatabaseWriter.h"
#include "ErrorText.h"
#include "ImageCheck.h"
#include "RecordReader.h"
#include "ValueText.h"
#include "cewchar.h"
#include "winbase.h"

namespace cedb {

namespace {

void printRecord(CEOID oid, const RecordImage& record, std::ostream& out) {
    out << "record " << hexWord(oid) << '\n';
    for (const PropertyValue& value : record) {
        const char* type = typeName(value.type());
        out << "  " << hexWord(value.propid) << ' ' << (type ? type : "?") << ' ' << valueText(value) << '\n';
    }
}

// PROPID=VALUE, the value read as the property's type.
bool parseAssignment(const std::string& text, PropertyValue& value, std::string& error, int& code) {
    size_t equals = text.find('=');
    auto propid = parseWord(text.substr(0, equals));
    if (equals == std::string::npos || !propid) return code = c_exitUsage, error = text + " is not PROPID=VALUE", false;
    value.propid = *propid;
    code = c_exitRefused;
    if (!typeName(value.type()))
        return error = text + ": unknown type " + hexNumber(value.type()) + " in property " + hexWord(*propid), false;
    if (!parseValueText(std::string_view(text).substr(equals + 1), value, error)) return error = text + ": " + error, false;
    return true;
}

// How messages name a PROPID=VALUE argument: as written, its value shortened.
std::string argumentPlace(const std::string& text) {
    constexpr size_t c_shownLength = 24;
    return "argument " + (text.size() > c_shownLength ? text.substr(0, c_shownLength - 3) + "..." : text);
}

CEOID findDatabase(const std::string& name, const Console& console) {
    auto oid = databaseNamed(ce::fromUtf8(name));
    if (!oid) return console.fail(c_exitRefused, lastFailure()), 0;
    if (!*oid) console.fail(c_exitRefused, "no database named \"" + name + "\"");
    return *oid;
}

}  // namespace

int runShow(const Words& words, const Console& console) {
    Arguments args;
    std::string error;
    if (!parseArguments(words, {}, {"--sort"}, args, error)) return console.fail(c_exitUsage, error);
    if (args.positional.size() != 1) return console.fail(c_exitUsage, "show takes one database name");
    auto sort = parseWord(args.value("--sort").value_or("0"));
    if (!sort) return console.fail(c_exitUsage, "--sort " + *args.value("--sort") + " is not a property id");
    if (!openStore(console, StoreUse::MustExist)) return c_exitRefused;
    CEOID database = findDatabase(args.positional[0], console);
    if (!database) return c_exitRefused;
    RecordReader reader;
    if (!reader.open(database, *sort)) {
        bool noOrder = GetLastError() == ERROR_INVALID_PARAMETER && *sort;
        return console.fail(c_exitRefused, noOrder ? hexWord(*sort) + " is not a sort order of " + args.positional[0]
                                                   : args.positional[0] + ": " + lastFailure());
    }
    RecordImage record;
    while (CEOID oid = reader.next(record)) printRecord(oid, record, console.out);
    if (reader.failed()) return console.fail(c_exitRefused, args.positional[0] + ": " + lastFailure());
    return c_exitOk;
}

int runPut(const Words& words, const Console& console) {
    if (words.size() < 2) return console.fail(c_exitUsage, "put needs a database name and PROPID=VALUE");
    RecordImage record(words.size() - 1);
    std::vector<std::string> places;
    std::string error;
    int code = c_exitOk;
    for (size_t i = 1; i < words.size(); ++i) {
        if (!parseAssignment(words[i], record[i - 1], error, code)) return console.fail(code, error);
        places.push_back(argumentPlace(words[i]));
    }
    if (!openStore(console)) return c_exitRefused;
    CEOID database = findDatabase(words[0], console);
    if (!database) return c_exitRefused;
    if (error = checkRecord(record, "the record", places); !error.empty()) return console.fail(c_exitRefused, error);
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return console.fail(c_exitRefused, words[0] + ": " + lastFailure());
    CEOID oid = addRecord(handle, record);
    if (!oid) error = lastFailure();
    CloseHandle(handle);
    if (!oid) return console.fail(c_exitRefused, words[0] + ": " + error);
    console.out << hexWord(oid) << '\n';
    return c_exitOk;
}

}  // namespace cedb
