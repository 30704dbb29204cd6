// The records of one database as a live list: a MultiIndexListModel whose template holds the
// shown properties (the sort property first), with an optional filter on the sort property.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>
#include <windbase.h>

#include "records/MultiIndexListModel.h"

namespace livelist {

class RecordList : public Nevo::MultiIndexListModel {
public:
    // `shown`: the propids each item holds, the sort property first (none for creation order).
    RecordList(const std::u16string& name, CEPROPID sortPropid, std::vector<CEPROPID> shown);

    Nevo::CeDbListItem* createItem() override;
    // Two lines of text and the space between rows, as the viewer's catalogue measures them.
    void measureItem(HDC dc, UINT* width, UINT* height) override;

    // Takes the filter's bounds as typed, read as the sort property's type; false with the
    // reason when they cannot be.
    bool setBounds(const std::string& from, const std::string& to, std::string& error);
    bool hasFilter() const { return m_hasBounds; }
    void applyFilter();
    void showAll();
    // Every record of the database, filtered or not.
    UINT recordCount() { return Nevo::CeDbListModel::size(); }
    const std::u16string& name() const { return m_name; }

private:
    std::u16string m_name;
    CEPROPID m_sortPropid;
    std::vector<CEPROPID> m_shown;
    bool m_hasBounds = false;
    // Number bounds, or the strings the string bounds point to.
    DWORD_PTR m_from = 0;
    DWORD_PTR m_to = 0;
    std::u16string m_fromText;
    std::u16string m_toText;
};

// The propids of the database's sort orders, in its order; nothing (last error set) when it
// cannot be opened.
std::optional<std::vector<CEPROPID>> sortOrdersOf(const std::u16string& name);

}  // namespace livelist
