// peghelp FILE#TOPIC: the help viewer. Opens the topic in the desktop's browser, or when there
// is no desktop or the run is headless prints its section as text. The help folder is
// $CE_HELP_DIR when set, else ../share/orvane/help beside the program, else the source's docs/.
// Exit codes: 0 shown, 1 a usage error or no such file or topic, 2 a name refused.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "HelpSection.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Only these characters reach a file name or a browser's command line.
bool isPlainName(const std::string& text) {
    if (text.empty()) return false;
    for (unsigned char c : text)
        if (!std::isalnum(c) && c != '.' && c != '_' && c != '-') return false;
    return text != "." && text != "..";
}

std::string helpFile(const std::string& file) {
    std::error_code error;
    if (const char* own = std::getenv("CE_HELP_DIR"); own && *own) return fs::path(own) / file;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    fs::path installed = self.parent_path() / ".." / "share" / "orvane" / "help" / file;
    if (!error && fs::is_regular_file(installed, error)) return installed.lexically_normal();
    return fs::path(PEGHELP_SOURCE_DOCS) / file;
}

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

// A headless run (CE_DISPLAY=headless) has no desktop even when one is reachable: a scripted
// or tested program must never open a browser window on the user's screen.
bool hasDesktop() {
    const char* display = std::getenv("CE_DISPLAY");
    if (display && std::string_view(display) == "headless") return false;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return ((x && *x) || (wayland && *wayland)) && onPath("xdg-open");
}

// The path as a file URL's path: every byte but the unreserved ones and '/' as %XX, so that
// a folder named "help dir#x" stays part of the path.
std::string urlPath(const std::string& path) {
    static const char c_hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += c_hex[c >> 4];
            encoded += c_hex[c & 15];
        }
    }
    return encoded;
}

int openInBrowser(const std::string& path, const std::string& topic) {
    std::string url = "file://" + urlPath(fs::absolute(path).string());
    if (!topic.empty()) url += "#" + topic;
    char program[] = "xdg-open";
    char* argv[] = {program, url.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return 1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

int printTopic(const std::string& path, const std::string& file, const std::string& topic) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream html;
    html << in.rdbuf();
    auto text = peghelp::sectionText(html.str(), topic);
    if (!text) {
        std::cerr << "peghelp: no topic " << topic << " in " << file << "\n";
        return 1;
    }
    std::cout << *text;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: peghelp FILE#TOPIC\n";
        return 1;
    }
    std::string target = argv[1];
    std::size_t hash = target.find('#');
    std::string file = target.substr(0, hash);
    std::string topic = hash == std::string::npos ? std::string() : target.substr(hash + 1);
    if (!isPlainName(file) || (hash != std::string::npos && !isPlainName(topic))) {
        std::cerr << "peghelp: refused: names may hold only letters, digits, '.', '_' and '-'\n";
        return 2;
    }
    std::string path = helpFile(file);
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        std::cerr << "peghelp: no help file " << file << "\n";
        return 1;
    }
    if (hasDesktop()) return openInBrowser(path, topic);
    if (topic.empty()) {
        std::cerr << "peghelp: no topic given for " << file << "\n";
        return 1;
    }
    return printTopic(path, file, topic);
}
