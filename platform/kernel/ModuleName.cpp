// Matching the names GetModuleHandleW takes against the files modules were loaded from.
#include <string_view>

#include "cewchar.h"
#include "kernel/Module.h"

namespace ce::kernel {

namespace {

std::u16string_view afterFolder(std::u16string_view name) {
    size_t slash = name.find_last_of(u"/\\");
    return slash == name.npos ? name : name.substr(slash + 1);
}

bool equalIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (towlower(a[i]) != towlower(b[i])) return false;
    return true;
}

bool endsWithIgnoringCase(std::u16string_view name, std::u16string_view suffix) {
    return name.size() > suffix.size() && equalIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

// The name without its extension: .dll or .exe (the handheld's), .so or .so.N (ours).
std::u16string_view withoutExtension(std::u16string_view name) {
    if (endsWithIgnoringCase(name, u".dll") || endsWithIgnoringCase(name, u".exe"))
        return name.substr(0, name.size() - 4);
    for (size_t so = name.find(u".so"); so != name.npos && so > 0; so = name.find(u".so", so + 1))
        if (so + 3 == name.size() || name[so + 3] == u'.') return name.substr(0, so);
    return name;
}

}  // namespace

bool moduleNameMatches(std::u16string_view name, std::string_view path) {
    std::u16string file16 = fromUtf8(path);
    std::u16string_view file = afterFolder(file16);
    name = afterFolder(name);
    if (name.empty()) return false;
    if (equalIgnoringCase(name, file)) return true;
    std::u16string_view fileStem = withoutExtension(file);
    std::u16string_view nameStem = withoutExtension(name);
    if (equalIgnoringCase(nameStem, fileStem)) return true;
    // A library's file carries a "lib" prefix that its handheld name does not.
    bool library = fileStem.size() != file.size() && fileStem.size() > 3 && fileStem.substr(0, 3) == u"lib";
    return library && equalIgnoringCase(nameStem, fileStem.substr(3));
}

}  // namespace ce::kernel
