// Growable wide-string buffers (256 to 8192 characters) in the string heap, recycled
// through a pool and optionally held under numbered lock slots.
#pragma once

#include <cstdint>

#include <windows.h>

namespace Nevo {

// The text is the first `length` characters of `buffer`; it is terminated only by
// str_new, str_purge, str_truncate and str_cstr.
struct string_str {
    int32_t length;
    int32_t capacity;
    WCHAR* buffer;
};

string_str* str_new(const WCHAR* text);
void str_free(string_str* s);
void str_purge(string_str* s);
int32_t str_len(const string_str* s);
WCHAR* str_cstr(string_str* s);
void str_truncate(string_str* s, int32_t length);
void str_ncat(string_str* s, const WCHAR* text, int32_t count);
void str_concat(string_str* s, const string_str* other);
void str_cconcat(string_str* s, const WCHAR* text);
void str_concatf(string_str* s, const WCHAR* format, ...);
void str_chomp(string_str* s);
string_str* str_lock(int32_t slot);
void str_unlock(int32_t slot);
void str_unlock_all();
// Drops the idle records; when every record is idle, the whole string heap goes.
void str_purgepool();

// For tests: records made and not yet freed to the heap, and records in the pool.
int32_t str_allocatedcount();
int32_t str_poolsize();

}  // namespace Nevo
