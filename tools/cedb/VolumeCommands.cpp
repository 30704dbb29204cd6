// Volume commands: init (a new volume, optionally with the sample databases) and list.
#include <algorithm>
#include <filesystem>

#include "Arguments.h"
#include "Commands.h"
#include "DatabaseList.h"
#include "ErrorText.h"
#include "SampleDatabases.h"
#include "ValueText.h"
#include "ceobjstore.h"
#include "cewchar.h"

namespace cedb {

namespace {

// The volume file and the journal files SQLite keeps beside it.
void removeVolumeFiles(const std::string& path) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal", "-open"}) std::filesystem::remove(path + suffix, ignored);
}

std::string listLine(CEOID oid, const CEDBASEINFOEX& info) {
    std::uint64_t ticks = (std::uint64_t{info.ftLastModified.dwHighDateTime} << 32) | info.ftLastModified.dwLowDateTime;
    std::uint64_t wholeSeconds = ticks - ticks % 10'000'000;
    return hexWord(oid) + '\t' + escapedText(ce::toUtf8(info.szDbaseName)) + '\t' + hexNumber(info.dwDbaseType) +
           '\t' + std::to_string(info.wNumSortOrder) + '\t' + std::to_string(info.dwNumRecords) + '\t' +
           std::to_string(info.dwSize) + '\t' + fileTimeText(wholeSeconds, ' ').value_or("-");
}

}  // namespace

bool openStore(const Console& console, StoreUse use) {
    std::string path = ce::objstore::volumePath();
    if (use == StoreUse::MustExist && console.namedStore && !std::filesystem::exists(path)) {
        console.fail(c_exitRefused, "no volume at " + path + " ('cedb init' makes one)");
        return false;
    }
    if (ce::objstore::openVolume()) return true;
    // SQLite's integrity report may span lines; cedb reports on one.
    std::string reason = ce::objstore::lastVolumeError();
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    console.fail(c_exitRefused, reason);
    return false;
}

int runInit(const Words& words, const Console& console) {
    Arguments args;
    std::string error;
    if (!parseArguments(words, {"--sample", "--force"}, {}, args, error)) return console.fail(c_exitUsage, error);
    if (!args.positional.empty()) return console.fail(c_exitUsage, "init takes no arguments");
    std::string path = ce::objstore::volumePath();
    std::error_code ignored;
    if (std::filesystem::exists(path, ignored)) {
        if (!args.has("--force")) return console.fail(c_exitRefused, path + " already exists (--force replaces it)");
        ce::objstore::closeVolume();
        removeVolumeFiles(path);
    }
    // A path set explicitly starts empty, even the default one: the samples come only on request,
    // written before the volume is in place, so that no program sees it without them.
    ce::objstore::setVolumePath(path);
    if (args.has("--sample") && !ce::objstore::createVolume(ce::objstore::createSampleDatabases))
        return console.fail(c_exitRefused, ce::objstore::lastVolumeError());
    if (!openStore(console)) return c_exitRefused;
    console.out << "created " << path << (args.has("--sample") ? " with the sample databases" : "") << '\n';
    return c_exitOk;
}

int runList(const Words& words, const Console& console) {
    if (!words.empty()) return console.fail(c_exitUsage, "list takes no arguments");
    if (!openStore(console, StoreUse::MustExist)) return c_exitRefused;
    auto oids = databaseOids();
    if (!oids) return console.fail(c_exitRefused, lastFailure());
    // Lines are printed only once every database was read: a damaged one refuses the lot.
    std::string lines;
    for (CEOID oid : *oids) {
        auto info = databaseInfo(oid);
        if (info) lines += listLine(oid, *info) + '\n';
        else if (!isGone()) return console.fail(c_exitRefused, lastFailure());
    }
    console.out << lines;
    return c_exitOk;
}

}  // namespace cedb
