// window_peer: a program that keeps to one instance as the viewer does, for the tests across
// processes. The first instance shows its main window (class = the name) under a second one
// and reports to a file what happens to them; a later instance brings the first forward and
// exits with 1 (3 when it found no window to raise).
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "cewchar.h"
#include "windows.h"

namespace {

constexpr int c_tries = 25;
constexpr DWORD c_retryMs = 100;

std::string c_report;
std::u16string c_name;
HWND c_main = nullptr;
bool c_ready = false;  // both windows are up: activations from here on are requests

void report(const std::string& line) {
    int fd = open(c_report.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return;
    std::string text = line + "\n";
    (void)!write(fd, text.data(), text.size());
    close(fd);
}

bool activated(UINT message, WPARAM wParam) {
    return c_ready && message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE;
}

// Brought forward, the main window says so in its title too.
LRESULT CALLBACK mainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (activated(message, wParam)) {
        report("main activated");
        SetWindowTextW(hwnd, (c_name + u" front").c_str());
    }
    if (message == WM_DESTROY) report("main destroyed");
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Brought forward, the second window closes the main one.
LRESULT CALLBACK otherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (activated(message, wParam)) {
        report("other activated");
        if (c_main) DestroyWindow(c_main);
        c_main = nullptr;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool registerClass(const std::u16string& name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    return RegisterClassW(&wc) != 0;
}

int runFirst() {
    std::u16string other = c_name + u".other";
    if (!registerClass(c_name, mainProc) || !registerClass(other, otherProc)) return 5;
    c_main = CreateWindowExW(0, c_name.c_str(), (c_name + u" main").c_str(), WS_VISIBLE, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND second = CreateWindowExW(0, other.c_str(), u"other", WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!c_main || !second) return 5;
    c_ready = true;
    report("ready");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

int raiseFirst() {
    for (int attempt = 0; attempt < c_tries; ++attempt) {
        HWND hwnd = FindWindowW(c_name.c_str(), nullptr);
        if (hwnd && SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(hwnd) | 1))) return 1;
        Sleep(c_retryMs);
    }
    return 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    c_name = ce::fromUtf8(argv[1]);
    c_report = argv[2];
    HANDLE mutex = CreateMutexW(nullptr, FALSE, c_name.c_str());
    if (!mutex) return 5;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return raiseFirst();
    }
    return runFirst();
}
