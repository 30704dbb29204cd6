// Reading other processes' windows out of the runtime folder; a record only counts when its
// handle carries the id of the process that published it.
#include "gwe/ForeignWindows.h"

#include "cewchar.h"
#include "gwe/WindowHandle.h"
#include "kernel/ForegroundChannel.h"
#include "kernel/RuntimeDirectory.h"
#include "kernel/WindowDirectory.h"

namespace ce::gwe {

namespace {

using kernel::WindowDirectory;
using kernel::WindowRecord;

HWND handleOf(const WindowRecord& record) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(record.handle));
}

bool matches(const WindowRecord& record, LPCWSTR className, LPCWSTR title) {
    return (!className || _wcsicmp(record.className.c_str(), className) == 0) &&
           (!title || _wcsicmp(record.title.c_str(), title) == 0);
}

pid_t ownerOf(HWND hwnd) {
    return WindowHandle::isForeign(hwnd) ? static_cast<pid_t>(WindowHandle::processOf(hwnd)) : 0;
}

}  // namespace

HWND ForeignWindows::find(LPCWSTR className, LPCWSTR title) {
    std::string folder = kernel::runtimeDirectory();
    if (folder.empty()) return nullptr;
    for (pid_t pid : WindowDirectory::otherProcesses(folder)) {
        std::optional<std::vector<WindowRecord>> records = WindowDirectory::windowsOf(folder, pid);
        if (!records) continue;
        for (const WindowRecord& record : *records)
            if (ownerOf(handleOf(record)) == pid && matches(record, className, title)) return handleOf(record);
    }
    return nullptr;
}

std::optional<WindowRecord> ForeignWindows::record(HWND hwnd) {
    pid_t pid = ownerOf(hwnd);
    std::string folder = pid > 0 ? kernel::runtimeDirectory() : std::string();
    if (folder.empty()) return std::nullopt;
    std::optional<std::vector<WindowRecord>> records = WindowDirectory::windowsOf(folder, pid);
    if (!records) return std::nullopt;
    for (const WindowRecord& record : *records)
        if (handleOf(record) == hwnd) return record;
    return std::nullopt;
}

bool ForeignWindows::bringToFront(HWND hwnd) {
    if (!record(hwnd)) return false;
    std::string folder = kernel::runtimeDirectory();
    return !folder.empty() && kernel::ForegroundChannel::send(WindowDirectory::fileOf(folder, ownerOf(hwnd), ".sock"),
                                                             reinterpret_cast<std::uintptr_t>(hwnd));
}

}  // namespace ce::gwe
