// Parses `cedb [--store PATH] COMMAND ...` and runs the command on the chosen volume.
#include "CommandLine.h"

#include <cstdlib>

#include "Commands.h"
#include "ceobjstore.h"

namespace cedb {

namespace {

const char c_usage[] =
    "usage: cedb [--store PATH] COMMAND [ARGS]\n"
    "The object store's command line. PATH defaults to CE_STORE, else the default volume\n"
    "(~/.local/share/orvane/objectstore.vol). Neither may be empty, and a named volume's\n"
    "folder must exist: only the default one's is created.\n"
    "\n"
    "  init [--sample] [--force]     create a volume, empty or with the sample databases\n"
    "  list                          the databases: OID, name, type, sort orders, records,\n"
    "                                size, last change (UTC), tab-separated\n"
    "  show NAME [--sort PROPID]     the records of a database, in the order of PROPID\n"
    "  create NAME [--type N] [--sort PROPID[:desc][:nocase][:unknownfirst]]...\n"
    "                                create a database (at most 4 sort orders)\n"
    "  put NAME PROPID=VALUE...      add a record; prints its OID\n"
    "  rm NAME [OID...]              delete the database, or the listed records: all of\n"
    "                                them or none (an OID given twice counts once)\n"
    "  import FILE                   add the databases of a JSON file (- reads stdin)\n"
    "  export [NAME...]              write databases as JSON to standard output\n"
    "  help                          this text\n"
    "\n"
    "PROPID is a property id such as 0x4013001f: the id in the high word, the type in the\n"
    "low word (I2 2, I4 3, R8 5, BOOL 11, UI2 18, UI4 19, LPWSTR 31, FILETIME 64, BLOB 65).\n"
    "BOOLs are true, false (in any case), 1 or 0. FILETIMEs are YYYY-MM-DDTHH:MM:SS[.fffffff]\n"
    "for the years 1601 to 9999, or 100 ns ticks since 1601; BLOBs are hex.\n"
    "list and show write a backslash, tab, CR and LF in a name or string as \\\\, \\t, \\r and\n"
    "\\n (other control characters as \\xHH), so that each field keeps to its place.\n"
    "Exit codes: 0 done, 1 usage error, 2 refused (nothing written).\n";

using Command = int (*)(const Words&, const Console&);

struct CommandEntry {
    const char* name;
    Command run;
};

const CommandEntry c_commands[] = {
    {"init", runInit},     {"list", runList},     {"show", runShow},     {"create", runCreate},
    {"put", runPut},       {"rm", runRemove},     {"import", runImport}, {"export", runExport},
};

bool isHelp(const std::string& word) {
    return word == "help" || word == "--help" || word == "-h";
}

}  // namespace

int Console::fail(int code, const std::string& message) const {
    err << "cedb: " << message << '\n';
    if (code == c_exitUsage) err << "Run 'cedb help' for usage.\n";
    return code;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Console console{out, err};
    size_t at = 0;
    std::string store;
    if (args.size() == 1 && args[0] == "--store") return console.fail(c_exitUsage, "--store needs a path");
    if (args.size() >= 2 && args[0] == "--store") {
        // An empty path would mean the default volume: a script's unset variable must not
        // land on the user's own data.
        if (args[1].empty()) return console.fail(c_exitUsage, "--store is given an empty path");
        store = args[1];
        at = 2;
    }
    if (at == args.size()) return console.fail(c_exitUsage, "no command given");
    if (isHelp(args[at])) {
        out << c_usage;
        return c_exitOk;
    }
    const char* environmentStore = std::getenv("CE_STORE");
    if (store.empty() && environmentStore && !*environmentStore)
        return console.fail(c_exitUsage, "CE_STORE is set but empty (unset it for the default volume)");
    ce::objstore::setVolumePath(store);
    console.namedStore = !store.empty() || environmentStore;
    Words words(args.begin() + static_cast<std::ptrdiff_t>(at) + 1, args.end());
    for (const CommandEntry& command : c_commands)
        if (args[at] == command.name) return command.run(words, console);
    return console.fail(c_exitUsage, "unknown command " + args[at]);
}

}  // namespace cedb
