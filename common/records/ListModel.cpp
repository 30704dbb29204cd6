// ListModel's shared behaviour: the notifications and the item measure.
#include "records/ListModel.h"

#include <wingdi.h>

namespace Nevo {

namespace {

// Every list row is measured this wide; the list view stretches it to its client width.
constexpr UINT c_itemWidth = 100;

// A 32-bit index widened with its sign, so that -1 stays all bits set in wParam.
WPARAM indexParam(UINT index) {
    return static_cast<WPARAM>(static_cast<LONG_PTR>(static_cast<LONG>(index)));
}

}  // namespace

void ListModel::cacheItems(UINT, UINT) {}

void ListModel::removeItem(UINT index) {
    notify(NotifyItemRemoved, indexParam(index), 0);
}

void ListModel::saveItem(ListItem*) {}

void ListModel::measureItem(HDC dc, UINT* width, UINT* height) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    *width = c_itemWidth;
    *height = static_cast<UINT>(metrics.tmHeight);
}

void ListModel::clear() {
    notify(NotifyListChanged, indexParam(size() - 1), 0);
}

UINT ListModel::findItem(DWORD, const void*, DWORD) {
    return c_noIndex;
}

void ListModel::sort(DWORD tag, DWORD options) {
    m_sortTag = tag;
    m_sortOptions = options;
}

void ListModel::insertItem(UINT index, ListItem*) {
    notify(NotifyItemInserted, indexParam(index), 0);
}

}  // namespace Nevo
