// Diagnostics: trace is silent; fatal errors and failed platform calls go to message boxes;
// bugf and log_stringf write prefixed lines to standard error.
#include "core/Debug.h"

#include <cstdio>
#include <string>

#include "core/FixedFormat.h"

namespace Nevo {

namespace {

constexpr int c_textSize = 512;
constexpr UINT c_errorBoxStyle = static_cast<UINT>(MB_OK | MB_ICONERROR | MB_SETFOREGROUND);

void writePrefixed(const char* prefix, const WCHAR* format, va_list args) {
    std::string text = prefix + ce::toUtf8(ce::vformatWide(format, args));
    std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace

void Debug::trace(int, const WCHAR*, ...) {}

void Debug::setDebugLevel(int) {}

void Debug::init() {}

void Debug::abort(const WCHAR* format, ...) {
    WCHAR text[c_textSize];
    va_list args;
    va_start(args, format);
    formatFixed(text, c_textSize, format, args);
    va_end(args);
    trace(0, u"Fatal error: %s (error code %ld)", text, GetLastError());
    MessageBoxW(nullptr, text, u"Error", c_errorBoxStyle);
    abort(1);
}

void Debug::abort(int exitCode) {
    PostQuitMessage(exitCode);
}

void Debug::reportError(const WCHAR* message) {
    WCHAR text[c_textSize];
    _snwprintf(text, c_textSize - 1, u"%s: error %ld", message, GetLastError());
    text[c_textSize - 1] = 0;
    trace(0, u"%s", text);
    MessageBoxW(GetActiveWindow(), text, u"Error", c_errorBoxStyle);
}

void bugf(const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    writePrefixed("** BUG **: ", format, args);
    va_end(args);
}

void log_stringf(const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    writePrefixed("** LOG **: ", format, args);
    va_end(args);
}

}  // namespace Nevo
