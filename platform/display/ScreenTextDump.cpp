// Formatting and writing the screen text. Files are written whole under a temporary name and
// renamed, so that a failed write leaves nothing half-done.
#include "display/ScreenTextDump.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cewchar.h"

namespace ce::display {

std::string ScreenTextDump::format(const std::vector<gwe::TextRun>& runs) {
    std::string dump;
    for (const gwe::TextRun& run : runs) {
        const RECT& r = run.rect;
        dump += std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right - r.left) +
                ", " + std::to_string(r.bottom - r.top) + "\t" + toUtf8(run.text) + "\n";
    }
    return dump;
}

std::string ScreenTextDump::current() {
    return format(gwe::ScreenText::instance().visibleRuns());
}

bool ScreenTextDump::write(const std::string& path, std::string& error) {
    std::string dump = current();
    if (path == "-") {
        std::fwrite(dump.data(), 1, dump.size(), stdout);
        std::fflush(stdout);
        return true;
    }
    std::string partial = path + ".partial";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    bool written = file && std::fwrite(dump.data(), 1, dump.size(), file) == dump.size();
    int saved = errno;
    if (file && std::fclose(file) != 0 && written) {
        written = false;
        saved = errno;
    }
    if (written && std::rename(partial.c_str(), path.c_str()) != 0) {
        written = false;
        saved = errno;
    }
    if (!written) {
        if (file) std::remove(partial.c_str());
        error = "cannot write " + path + ": " + std::strerror(saved);
    }
    return written;
}

}  // namespace ce::display
