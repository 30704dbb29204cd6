// Window handle values: process id, slot and the even bit.
#include "gwe/WindowHandle.h"

#include <unistd.h>

namespace ce::gwe {

namespace {

static_assert(sizeof(HWND) >= 8, "window handles carry the process id above bit 32");

constexpr unsigned c_processShift = 32;
constexpr std::uintptr_t c_lowMask = 0xFFFFFFFFu;

}  // namespace

std::uint32_t WindowHandle::ownProcess() {
    static const auto c_pid = static_cast<std::uint32_t>(getpid());
    return c_pid;
}

HWND WindowHandle::make(std::uintptr_t slot) {
    std::uintptr_t value = (std::uintptr_t{ownProcess()} << c_processShift) | ((slot << 1) & c_lowMask);
    return reinterpret_cast<HWND>(value);
}

std::uintptr_t WindowHandle::slotOf(HWND hwnd) {
    std::uintptr_t value = reinterpret_cast<std::uintptr_t>(hwnd);
    if (value & 1 || processOf(hwnd) != ownProcess()) return 0;
    return (value & c_lowMask) >> 1;
}

std::uint32_t WindowHandle::processOf(HWND hwnd) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd) >> c_processShift);
}

bool WindowHandle::isForeign(HWND hwnd) {
    std::uint32_t process = processOf(hwnd);
    return process != 0 && process != ownProcess();
}

}  // namespace ce::gwe
