// The str_ buffers: growth by doubling within 256..8192 characters, the idle-record pool
// and the lock slots.
#include "core/StringBuffer.h"

#include <cstdarg>
#include <cstring>

#include <cewchar.h>

#include "core/Debug.h"
#include "core/HeapCtrl.h"
#include "core/Sequence.h"

namespace Nevo {

namespace {

const int32_t c_minCapacity = 256;
const int32_t c_maxCapacity = 8192;

struct LockSlot {
    int32_t slot;
    Sequence* records;
};

Sequence* c_pool = nullptr;       // idle records: put at the end, taken from the front
int32_t c_allocated = 0;          // records made and not yet freed to the heap
Sequence* c_slots = nullptr;      // LockSlot records in order of first use

HeapCtrl& stringHeap() {
    return HeapCtrl::getStringHeap();
}

int bytesOf(int32_t characters) {
    return characters * static_cast<int>(sizeof(WCHAR));
}

// Makes the buffer hold at least `needed` characters; false when it cannot.
bool makeRoom(string_str* s, int32_t needed) {
    if (s->capacity >= needed) return true;
    if (needed > c_maxCapacity) {
        bugf(u"STRBUF overflow %d", needed);
        return false;
    }
    int32_t capacity = s->capacity;
    do {
        capacity = capacity * 2 < c_minCapacity ? c_minCapacity : capacity * 2;
    } while (capacity < needed);
    void* buffer = stringHeap().realloc(s->buffer, bytesOf(capacity));
    if (!buffer) {
        bugf(u"str_redim: alloc_mem failed");
        return false;
    }
    s->buffer = static_cast<WCHAR*>(buffer);
    s->capacity = capacity;
    return true;
}

string_str* makeRecord() {
    string_str* s = static_cast<string_str*>(stringHeap().alloc(sizeof(string_str)));
    // Counted before the buffer is allocated: a purge by the heap's out-of-memory ladder
    // must see a record in use and keep the heap.
    ++c_allocated;
    s->length = 0;
    s->capacity = c_minCapacity;
    s->buffer = static_cast<WCHAR*>(stringHeap().alloc(bytesOf(c_minCapacity)));
    Debug::trace(9, u"Allocated new str_buf");
    return s;
}

string_str* takePooled() {
    if (!c_pool || c_pool->isEmpty()) return nullptr;
    Position* front = c_pool->first();
    string_str* s = static_cast<string_str*>(front->element());
    c_pool->remove(front);
    return s;
}

int matchSlot(const void* key, const void* element) {
    return static_cast<const LockSlot*>(element)->slot == *static_cast<const int32_t*>(key);
}

LockSlot* findSlot(int32_t slot) {
    if (!c_slots) return nullptr;
    Position* position = c_slots->find(matchSlot, &slot);
    return position ? static_cast<LockSlot*>(position->element()) : nullptr;
}

LockSlot* addSlot(int32_t slot) {
    if (!c_slots) c_slots = Sequence::makeSequence();
    LockSlot* record = static_cast<LockSlot*>(xmalloc(sizeof(LockSlot)));
    record->slot = slot;
    record->records = Sequence::makeSequence();
    c_slots->insertLast(record);
    return record;
}

void unlockSlot(LockSlot* slot) {
    while (Position* front = slot->records->first()) {
        string_str* s = static_cast<string_str*>(front->element());
        slot->records->remove(front);
        str_free(s);
    }
}

}  // namespace

// ---- Records and the pool ----

string_str* str_new(const WCHAR* text) {
    string_str* s = takePooled();
    if (!s) s = makeRecord();
    if (text && *text) {
        str_cconcat(s, text);
    } else {
        s->buffer[0] = 0;
    }
    return s;
}

void str_free(string_str* s) {
    str_purge(s);
    if (!c_pool) c_pool = Sequence::makeSequence();
    c_pool->insertLast(s);
}

void str_purgepool() {
    if (!c_pool) return;
    if (c_pool->size() < c_allocated) {
        c_allocated -= c_pool->size();
        while (void* pooled = c_pool->pop()) {
            string_str* s = static_cast<string_str*>(pooled);
            stringHeap().free(s->buffer);
            stringHeap().free(s);
        }
    } else {
        // Every record is idle: dropping the heap frees them all at once.
        stringHeap().destroy();
        c_allocated = 0;
    }
    c_pool->free();
    c_pool = nullptr;
}

int32_t str_allocatedcount() {
    return c_allocated;
}

int32_t str_poolsize() {
    return c_pool ? c_pool->size() : 0;
}

// ---- Text ----

void str_purge(string_str* s) {
    s->length = 0;
    s->buffer[0] = 0;
}

int32_t str_len(const string_str* s) {
    return s->length;
}

WCHAR* str_cstr(string_str* s) {
    // A full 8192-character buffer has no room for the terminator: drop the last character.
    if (!makeRoom(s, s->length + 1)) --s->length;
    s->buffer[s->length] = 0;
    return s->buffer;
}

void str_truncate(string_str* s, int32_t length) {
    s->length = length;
    s->buffer[length] = 0;
}

void str_ncat(string_str* s, const WCHAR* text, int32_t count) {
    if (!makeRoom(s, s->length + count)) return;
    std::memcpy(s->buffer + s->length, text, static_cast<size_t>(bytesOf(count)));
    s->length += count;
}

void str_concat(string_str* s, const string_str* other) {
    str_ncat(s, other->buffer, other->length);
}

void str_cconcat(string_str* s, const WCHAR* text) {
    str_ncat(s, text, static_cast<int32_t>(wcslen(text)));
}

void str_concatf(string_str* s, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    for (;;) {
        const int32_t room = s->capacity - s->length;
        va_list attempt;
        va_copy(attempt, args);
        int32_t result = _vsnwprintf(s->buffer + s->length, static_cast<size_t>(room), format, attempt);
        va_end(attempt);
        // Cut output: guess twice the room. A full buffer (room 0) must still count as cut.
        if (result < 0) result = room > 0 ? 2 * room - 1 : 0;
        if (result + 1 <= room) {
            s->length += result;
            break;
        }
        if (!makeRoom(s, s->length + result + 1)) break;
    }
    va_end(args);
}

void str_chomp(string_str* s) {
    if (s->length > 0 && iswspace(s->buffer[s->length - 1])) --s->length;
}

// ---- Lock slots ----

string_str* str_lock(int32_t slot) {
    LockSlot* record = findSlot(slot);
    if (!record) record = addSlot(slot);
    string_str* s = str_new(nullptr);
    record->records->insertLast(s);
    return s;
}

void str_unlock(int32_t slot) {
    if (LockSlot* record = findSlot(slot)) unlockSlot(record);
}

void str_unlock_all() {
    if (!c_slots) return;
    for (Position* p = c_slots->first(); p; p = c_slots->after(p)) unlockSlot(static_cast<LockSlot*>(p->element()));
}

}  // namespace Nevo
