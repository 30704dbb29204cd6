// ArrayListModel: sorted insertion by linear scan, and the process-wide sort slot that
// hands the model to qsort's comparison.
#include "records/ArrayListModel.h"

#include "core/ArrayList.h"
#include "records/ListItem.h"

namespace Nevo {

std::atomic<ArrayListModel*> ArrayListModel::c_sorting{nullptr};

namespace {

constexpr int32_t c_initialCapacity = 20;
// How long a sort waits before looking at the slot again.
constexpr DWORD c_sortPollMs = 100;

}  // namespace

ArrayListModel::ArrayListModel() : m_items(new ArrayList(c_initialCapacity)) {}

ArrayListModel::~ArrayListModel() {
    deleteItems();
    delete m_items;
}

ArrayListModel::ArrayListModel(const ArrayListModel& other)
    : ListModel(other), m_items(new ArrayList(c_initialCapacity)) {}

ArrayListModel& ArrayListModel::operator=(const ArrayListModel&) {
    m_items->clear();
    return *this;
}

void ArrayListModel::deleteItems() {
    for (UINT i = 0; i < m_items->size(); ++i) delete static_cast<ListItem*>(m_items->at(i));
}

UINT ArrayListModel::addItem(ListItem* item) {
    int position = -1;
    const TemplateField* field = getTemplate()->getField(getSortTag(), &position);
    UINT index = size();
    if (field) {
        const void* value = item->getDataField(position);
        // The first place whose item is not below the new one: equal items go first.
        for (UINT i = 0; i < size(); ++i) {
            if (field->compare(at(i)->getDataField(position), value, getSortOptions()) >= 0) {
                index = i;
                break;
            }
        }
    }
    insertItem(index, item);
    return index;
}

void ArrayListModel::insertItem(UINT index, ListItem* item) {
    m_items->insert(index, item);
    ListModel::insertItem(index, item);
}

void ArrayListModel::removeItem(UINT index) {
    delete static_cast<ListItem*>(m_items->remove(index));
    ListModel::removeItem(index);
}

void ArrayListModel::clear() {
    deleteItems();
    m_items->clear();
    ListModel::clear();
}

// The options reach compare unchanged, so CaseInsensitive and Prefix widen the match as
// they do for sorting and seeking; Descending only flips the sign and cannot change
// whether two values are equal.
UINT ArrayListModel::findItem(DWORD tag, const void* key, DWORD options) {
    int position = -1;
    const TemplateField* field = getTemplate()->getField(tag, &position);
    if (!field) return c_noIndex;
    for (UINT i = 0; i < size(); ++i) {
        if (field->compare(key, at(i)->getDataField(position), options) == 0) return i;
    }
    return c_noIndex;
}

void ArrayListModel::sort(DWORD tag, DWORD options) {
    ListModel::sort(tag, options);
    // A plain look, then a plain store: not one atomic step, so two sorts starting at the
    // very same moment could both go ahead.
    while (c_sorting.load() != nullptr) Sleep(c_sortPollMs);
    c_sorting.store(this);
    m_items->sort(compareEntries);
    c_sorting.store(nullptr);
    notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

int ArrayListModel::compareEntries(const void* a, const void* b) {
    ArrayListModel* model = c_sorting.load();
    int position = -1;
    const TemplateField* field = model->getTemplate()->getField(model->getSortTag(), &position);
    if (!field) return 0;
    const auto* first = *static_cast<ListItem* const*>(a);
    const auto* second = *static_cast<ListItem* const*>(b);
    return field->compare(first->getDataField(position), second->getDataField(position),
                          model->getSortOptions());
}

UINT ArrayListModel::size() const {
    return m_items->size();
}

ListItem* ArrayListModel::at(UINT index) {
    return static_cast<ListItem*>(m_items->at(index));
}

}  // namespace Nevo
