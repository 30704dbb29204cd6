// Program lookup for CreateProcessW.
#include "kernel/ProgramLocator.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace ce::kernel {

namespace {

namespace fs = std::filesystem;

bool isExecutable(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string besideThisProgram(const std::string& file) {
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    std::string path = (self.parent_path() / file).string();
    return isExecutable(path) ? path : std::string();
}

std::string onPath(const std::string& file) {
    const char* path = std::getenv("PATH");
    std::string list = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = std::min(list.find(':', start), list.size());
        std::string folder = list.substr(start, end - start);
        start = end + 1;
        // An empty or relative entry names the current folder, whatever happens to lie there:
        // a handheld program name never means that.
        if (folder.empty() || folder[0] != '/') continue;
        std::string candidate = folder + "/" + file;
        if (isExecutable(candidate)) return candidate;
    }
    return {};
}

std::string helpViewer() {
    if (const char* own = std::getenv("CE_PEGHELP"); own && *own)
        return isExecutable(own) ? own : std::string();
    std::string beside = besideThisProgram("peghelp");
    if (!beside.empty()) return beside;
#ifdef CE_BUILD_BIN_DIR
    std::string built = std::string(CE_BUILD_BIN_DIR) + "/peghelp";
    if (isExecutable(built)) return built;
#endif
    return {};
}

}  // namespace

std::string locateProgram(const std::string& name) {
    if (name.empty()) return {};
    // Handheld paths use backslashes; either separator ends the folder part.
    std::size_t slash = name.find_last_of("/\\");
    std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    if (lower(base) == "peghelp.exe" || lower(base) == "peghelp") return helpViewer();
    std::string file = base;
    if (file.size() > 4 && lower(file.substr(file.size() - 4)) == ".exe")
        file.resize(file.size() - 4);
    if (name.find('/') != std::string::npos) {
        if (isExecutable(name)) return name;
        std::string stripped = (fs::path(name).parent_path() / file).string();
        return isExecutable(stripped) ? stripped : std::string();
    }
    std::string beside = besideThisProgram(file);
    return beside.empty() ? onPath(file) : beside;
}

}  // namespace ce::kernel
