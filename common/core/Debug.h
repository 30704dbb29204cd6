// Diagnostics: tracing, fatal errors, reports of failed platform calls, and the
// "** BUG **" / "** LOG **" lines on standard error.
#pragma once

#include <windows.h>

namespace Nevo {

class Debug {
public:
    static void trace(int level, const WCHAR* format, ...);
    static void setDebugLevel(int level);
    static void init();
    // Tells the user in an "Error" box, then asks the message loop to end with code 1.
    // Returns to the caller: the program ends when its loop reaches the quit request.
    static void abort(const WCHAR* format, ...);
    static void abort(int exitCode);
    static void reportError(const WCHAR* message);
};

void bugf(const WCHAR* format, ...);
void log_stringf(const WCHAR* format, ...);

}  // namespace Nevo
