// One record of the list: its first shown property on the first line, its OID and the other
// shown properties on the second, painted by nevo_ui's two-line painter.
#pragma once

#include <vector>

#include <windows.h>
#include <windbase.h>

#include "TextListItemDrawer.h"
#include "records/CeDbListItem.h"

namespace livelist {

class RecordItem : public Nevo::TextListItemDrawer, public Nevo::CeDbListItem {
public:
    // `shown`: the template's tags in order; it outlives the item (the model owns both).
    RecordItem(Nevo::Template* shape, const std::vector<CEPROPID>* shown)
        : Nevo::CeDbListItem(shape, 0), m_shown(shown) {}

    void draw(const DRAWITEMSTRUCT* drawItem) override { Nevo::TextListItemDrawer::draw(drawItem); }
    int getLine1Text(LPWSTR buffer, int capacity) override;
    int getLine2Text(LPWSTR buffer, int capacity) override;

private:
    // The text of the value the item holds for a propid.
    int valueText(CEPROPID propid, LPWSTR buffer, int capacity) const;

    const std::vector<CEPROPID>* m_shown;
};

}  // namespace livelist
