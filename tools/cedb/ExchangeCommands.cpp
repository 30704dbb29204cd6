// Exchange commands: import (all or nothing) and export, in the JSON form of JsonFormat.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "DatabaseList.h"
#include "DatabaseWriter.h"
#include "ErrorText.h"
#include "ImageCheck.h"
#include "JsonText.h"
#include "RecordReader.h"
#include "ceobjstore.h"
#include "cewchar.h"

namespace cedb {

namespace {

// The file's text, or why it cannot be had.
bool readFile(const std::string& path, std::string& text, std::string& error) {
    if (path == "-") {
        std::ostringstream content;
        content << std::cin.rdbuf();
        text = content.str();
        return true;
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return error = path + " is a folder, not a JSON file", false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return error = "cannot read " + path + ": " + std::strerror(errno), false;
    char block[65536];
    while (size_t count = std::fread(block, 1, sizeof block, file)) text.append(block, count);
    bool failed = std::ferror(file);
    int reason = errno;
    std::fclose(file);
    if (failed) return error = "cannot read " + path + ": " + std::strerror(reason), false;
    return true;
}

// Everything the import would write, checked before the first write.
std::string checkImport(const std::vector<DatabaseImage>& databases) {
    for (size_t i = 0; i < databases.size(); ++i)
        if (std::string problem = checkDatabase(databases[i], "databases[" + std::to_string(i) + "]"); !problem.empty())
            return problem;
    return checkNamesFree(databases, "databases");
}

size_t recordCount(const std::vector<DatabaseImage>& databases) {
    size_t count = 0;
    for (const DatabaseImage& database : databases) count += database.records.size();
    return count;
}

bool exportedOids(const Words& names, std::vector<CEOID>& oids, std::string& error) {
    if (names.empty()) {
        auto all = databaseOids();
        if (!all) return error = lastFailure(), false;
        oids = std::move(*all);
        return true;
    }
    for (const std::string& name : names) {
        auto oid = databaseNamed(ce::fromUtf8(name));
        if (!oid) return error = lastFailure(), false;
        if (!*oid) return error = "no database named \"" + name + "\"", false;
        oids.push_back(*oid);
    }
    return true;
}

}  // namespace

int runImport(const Words& words, const Console& console) {
    if (words.size() != 1) return console.fail(c_exitUsage, "import takes one file (- for standard input)");
    std::string text, error;
    if (!readFile(words[0], text, error)) return console.fail(c_exitRefused, error);
    Json document;
    std::vector<DatabaseImage> databases;
    if (!parseJson(text, document, error) || !fromJson(document, databases, error))
        return console.fail(c_exitRefused, words[0] + ": " + error);
    if (!openStore(console)) return c_exitRefused;
    if (error = checkImport(databases); !error.empty()) return console.fail(c_exitRefused, words[0] + ": " + error);
    // One transaction for the whole import: one disk sync, however many records.
    if (!ce::objstore::beginBatch()) return console.fail(c_exitRefused, lastFailure());
    bool written = writeDatabases(databases, error);
    if (!ce::objstore::endBatch() && written) return console.fail(c_exitRefused, lastFailure());
    if (!written) return console.fail(c_exitRefused, "import undone: " + error);
    console.out << "imported " << databases.size() << " databases, " << recordCount(databases) << " records\n";
    return c_exitOk;
}

int runExport(const Words& words, const Console& console) {
    if (!openStore(console, StoreUse::MustExist)) return c_exitRefused;
    std::vector<CEOID> oids;
    std::string error;
    if (!exportedOids(words, oids, error)) return console.fail(c_exitRefused, error);
    std::vector<DatabaseImage> databases(oids.size());
    for (size_t i = 0; i < oids.size(); ++i)
        if (!readDatabase(oids[i], databases[i])) return console.fail(c_exitRefused, lastFailure());
    console.out << exportText(toJson(databases));
    return c_exitOk;
}

}  // namespace cedb
