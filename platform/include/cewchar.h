// The wide-string functions the system calls, for WCHAR (UTF-16) text, with the handheld's
// semantics: %s takes a wide string, %S a narrow one, and a counted print that does not fit
// returns a negative number. Also the UTF-8 conversions used for host I/O.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "windef.h"

size_t wcslen(const WCHAR* s);
int wcscmp(const WCHAR* a, const WCHAR* b);
int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count);
WCHAR* wcscpy(WCHAR* dst, const WCHAR* src);
WCHAR* wcsncpy(WCHAR* dst, const WCHAR* src, size_t count);
WCHAR* wcscat(WCHAR* dst, const WCHAR* src);
WCHAR* wcschr(const WCHAR* s, WCHAR c);
WCHAR* wcsrchr(const WCHAR* s, WCHAR c);
WCHAR* wcsstr(const WCHAR* haystack, const WCHAR* needle);

// Case-insensitive comparison: both sides are mapped to lower case (simple case mapping of
// the whole Basic Multilingual Plane) and compared as code units.
int _wcsicmp(const WCHAR* a, const WCHAR* b);
int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count);
WCHAR towlower(WCHAR c);
WCHAR towupper(WCHAR c);
// C white space plus the Unicode White_Space characters of the BMP (no-break spaces too).
int iswspace(WCHAR c);

// Counted wide print. Writes at most count characters. Shorter output is terminated and its
// length returned; output of exactly count characters is not terminated and count is
// returned; longer output is cut at count characters, not terminated, and the result is
// negative. Conversions: d i u x X o c p s S %, flags - + 0 # space, width and precision
// (also *), length modifiers h l ll I64 (l is 32 bits, as on the handheld).
// Narrow text (%S, %hs) is read as UTF-8; a narrow character (%C, %hc) as a Latin-1 byte.
// %p is 16 upper-case hex digits; the 0 flag pads strings too; a null string prints
// "(null)"; an unknown conversion is printed as written. e f g a use the host's digits.
int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args);
int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...);
// Uncounted forms: the caller guarantees room.
int vswprintf(WCHAR* buffer, const WCHAR* format, va_list args);
int swprintf(WCHAR* buffer, const WCHAR* format, ...);

namespace ce {
// UTF-16 <-> UTF-8 for host I/O. Unpaired surrogates and malformed UTF-8 become U+FFFD.
std::string toUtf8(std::u16string_view text);
std::string toUtf8(const WCHAR* text);  // null gives ""
std::u16string fromUtf8(std::string_view text);
// A wide printf straight into a std::u16string, for host-side code and tests.
std::u16string formatWide(const WCHAR* format, ...);
std::u16string vformatWide(const WCHAR* format, va_list args);
}  // namespace ce
