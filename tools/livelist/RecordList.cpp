#include "RecordList.h"

#include <cerrno>
#include <cstdlib>

#include "RecordItem.h"
#include "cewchar.h"
#include "db/CeDatabase.h"

namespace livelist {

namespace {

Nevo::TemplateField::Type fieldType(CEPROPID propid) {
    switch (TypeFromPropID(propid)) {
    case CEVT_LPWSTR: return Nevo::TemplateField::String;
    case CEVT_FILETIME: return Nevo::TemplateField::FileTime;
    default: return Nevo::TemplateField::Number;
    }
}

// A number bound within the property type's range.
std::optional<DWORD_PTR> numberBound(const std::string& text, WORD type) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (*end || errno) return std::nullopt;
    long long low = 0, high = 0;
    switch (type) {
    case CEVT_I2: low = -32768; high = 32767; break;
    case CEVT_UI2: high = 65535; break;
    case CEVT_I4: low = -2147483648LL; high = 2147483647LL; break;
    case CEVT_UI4: high = 4294967295LL; break;
    case CEVT_BOOL: high = 1; break;
    default: return std::nullopt;
    }
    if (value < low || value > high) return std::nullopt;
    return static_cast<DWORD_PTR>(static_cast<DWORD>(value));
}

}  // namespace

RecordList::RecordList(const std::u16string& name, CEPROPID sortPropid, std::vector<CEPROPID> shown)
    : Nevo::MultiIndexListModel(name.c_str(), sortPropid), m_name(name), m_sortPropid(sortPropid),
      m_shown(std::move(shown)) {
    for (CEPROPID propid : m_shown) getTemplate()->addField(fieldType(propid), propid, nullptr);
}

Nevo::CeDbListItem* RecordList::createItem() {
    return new RecordItem(getTemplate(), &m_shown);
}

void RecordList::measureItem(HDC dc, UINT* width, UINT* height) {
    Nevo::ListModel::measureItem(dc, width, height);
    *height *= 3;
}

bool RecordList::setBounds(const std::string& from, const std::string& to, std::string& error) {
    WORD type = TypeFromPropID(m_sortPropid);
    if (m_sortPropid == 0) {
        error = "--filter needs a sort property: creation order has no values to filter on";
        return false;
    }
    if (type == CEVT_LPWSTR) {
        m_fromText = ce::fromUtf8(from);
        m_toText = ce::fromUtf8(to);
        m_from = reinterpret_cast<DWORD_PTR>(m_fromText.c_str());
        m_to = reinterpret_cast<DWORD_PTR>(m_toText.c_str());
    } else {
        auto low = numberBound(from, type);
        auto high = numberBound(to, type);
        if (!low || !high) {
            error = "--filter on a property of this type takes two whole numbers within its range";
            return false;
        }
        m_from = *low;
        m_to = *high;
    }
    m_hasBounds = true;
    return true;
}

void RecordList::applyFilter() {
    if (!m_hasBounds) return;
    filter(reinterpret_cast<const void*>(m_from), reinterpret_cast<const void*>(m_to));
}

void RecordList::showAll() {
    clearFilter();
    // Clearing tells no one: the list and the counts are redrawn as after a filter.
    notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
}

std::optional<std::vector<CEPROPID>> sortOrdersOf(const std::u16string& name) {
    Nevo::CeDatabase database;
    if (!database.open(name.c_str(), 0, nullptr)) return std::nullopt;
    CEOIDINFO info{};
    if (!database.getInfo(&info)) return std::nullopt;
    std::vector<CEPROPID> sorts;
    for (WORD i = 0; i < info.infDatabase.wNumSortOrder && i < CEDB_MAXSORTORDER; ++i)
        sorts.push_back(info.infDatabase.rgSortSpecs[i].propid);
    return sorts;
}

}  // namespace livelist
