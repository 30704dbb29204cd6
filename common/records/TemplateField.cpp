// Storage and ordering of item slots by field type. Slots are pointer-sized, but numbers
// still compare as 32-bit differences so that lists order as they do on the handheld.
#include "records/TemplateField.h"

#include <cstdint>
#include <cstring>

#include "core/HeapCtrl.h"
#include "records/ListItem.h"

namespace Nevo {

namespace {

// Option bits read here; they are ListModel::SortOption's values.
constexpr DWORD c_descending = 1;
constexpr DWORD c_caseInsensitive = 4;
constexpr DWORD c_prefix = 8;

// The difference of two 32-bit values, wrapped to 32 bits and read as signed.
int difference32(uint32_t a, uint32_t b) {
    return static_cast<int32_t>(a - b);
}

uint32_t low32(const void* value) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value));
}

// A null time (set from null) orders as the zero time.
void readFileTime(const void* value, uint32_t words[2]) {
    words[0] = words[1] = 0;
    if (value) std::memcpy(words, value, sizeof(FILETIME));
}

}  // namespace

TemplateField::TemplateField(Type type, DWORD tag, const WCHAR* caption)
    : m_type(type), m_tag(tag), m_caption(caption ? xwcsdup(HEAP_ITEMS, caption, -1) : nullptr) {}

TemplateField::~TemplateField() {
    HeapCtrl::get(HEAP_ITEMS).free(m_caption);
}

void TemplateField::setItemField(ListItem* item, int index, const void* value) const {
    freeItemField(item, index);
    void* stored = const_cast<void*>(value);
    if (m_type == String) {
        stored = xwcsdup(HEAP_ITEMS, static_cast<const WCHAR*>(value), -1);
    } else if (m_type == FileTime) {
        stored = nullptr;
        if (value) {
            stored = HeapCtrl::get(HEAP_ITEMS).alloc(sizeof(FILETIME));
            std::memcpy(stored, value, sizeof(FILETIME));
        }
    }
    item->setDataField(index, stored);
}

void TemplateField::freeItemField(ListItem* item, int index) const {
    if (!item->getData()) return;
    void* value = item->getDataField(index);
    if (!value) return;
    if (m_type == String || m_type == FileTime) HeapCtrl::get(HEAP_ITEMS).free(value);
    item->setDataField(index, nullptr);
}

int TemplateField::compare(const void* a, const void* b, DWORD options) const {
    int result;
    if (m_type == String) {
        result = compareStrings(static_cast<const WCHAR*>(a), static_cast<const WCHAR*>(b), options);
    } else if (m_type == FileTime) {
        result = compareFileTimes(a, b);
    } else {
        result = difference32(low32(a), low32(b));
    }
    // Negated in unsigned arithmetic: the smallest int stays itself instead of overflowing.
    return (options & c_descending) ? static_cast<int>(0u - static_cast<unsigned>(result)) : result;
}

int TemplateField::compareStrings(const WCHAR* a, const WCHAR* b, DWORD options) {
    // A slot never written holds null: it orders as the empty string.
    if (!a) a = g_emptyString;
    if (!b) b = g_emptyString;
    const bool caseInsensitive = (options & c_caseInsensitive) != 0;
    if (!(options & c_prefix)) return caseInsensitive ? _wcsicmp(a, b) : wcscmp(a, b);
    // `a` is the key: only its own length takes part.
    const size_t length = wcslen(a);
    return caseInsensitive ? _wcsnicmp(a, b, length) : wcsncmp(a, b, length);
}

int TemplateField::compareFileTimes(const void* a, const void* b) {
    uint32_t first[2];
    uint32_t second[2];
    readFileTime(a, first);
    readFileTime(b, second);
    if (first[1] != second[1]) return difference32(first[1], second[1]);
    return difference32(first[0], second[0]);
}

}  // namespace Nevo
