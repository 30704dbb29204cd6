// ListFilter: (start, end) pairs in an ArrayList, walked in order.
#include "records/ListFilter.h"

#include <cstdint>

#include "core/ArrayList.h"
#include "records/ListModel.h"

namespace Nevo {

namespace {

constexpr int32_t c_initialCapacity = 8;

void* entry(UINT position) {
    return reinterpret_cast<void*>(static_cast<uintptr_t>(position));
}

}  // namespace

ListFilter::ListFilter() : m_bounds(new ArrayList(c_initialCapacity)) {}

ListFilter::~ListFilter() {
    delete m_bounds;
}

bool ListFilter::empty() const {
    return m_bounds->empty();
}

void ListFilter::clearFilter() {
    m_bounds->clear();
}

UINT ListFilter::startOf(UINT pair) const {
    return static_cast<UINT>(reinterpret_cast<uintptr_t>(m_bounds->at(2 * pair)));
}

UINT ListFilter::endOf(UINT pair) const {
    return static_cast<UINT>(reinterpret_cast<uintptr_t>(m_bounds->at(2 * pair + 1)));
}

void ListFilter::addFilter(ListModel* model, DWORD tag, const void* from, const void* to) {
    UINT start = model->findItem(tag, from, ListModel::Prefix);
    UINT end = model->findItem(tag, to, ListModel::Prefix);
    // The end is one past the last position: the model's size, never beyond it.
    if (end == ListModel::c_noIndex) end = model->size();
    if (start == ListModel::c_noIndex) {
        if (!empty()) return;
        start = end = 0;
    }
    if (end < start) end = start;
    m_bounds->add(entry(start));
    m_bounds->add(entry(end));
}

UINT ListFilter::size() const {
    if (empty()) return ListModel::c_noIndex;
    UINT total = 0;
    for (UINT pair = 0; pair < m_bounds->size() / 2; ++pair) total += endOf(pair) - startOf(pair);
    return total;
}

UINT ListFilter::logicalToActual(UINT position) const {
    if (empty()) return position;
    UINT passed = 0;
    for (UINT pair = 0; pair < m_bounds->size() / 2; ++pair) {
        UINT length = endOf(pair) - startOf(pair);
        if (position - passed < length) return startOf(pair) + (position - passed);
        passed += length;
    }
    return ListModel::c_noIndex;
}

}  // namespace Nevo
