// Position ranges over any ListModel, found with the model's findItem: maps the positions of
// a filtered view to positions of the model. Ranges are half-open and stay in the order added.
#pragma once

#include <windows.h>

namespace Nevo {

class ArrayList;
class ListModel;

class ListFilter {
public:
    ListFilter();
    ~ListFilter();
    ListFilter(const ListFilter&) = delete;
    ListFilter& operator=(const ListFilter&) = delete;

    // No ranges: no filter at all (an empty range is still a filter).
    bool empty() const;
    void clearFilter();
    // The range from the first value matching `from` up to the first matching `to` (both by
    // prefix), or to the end of the model when `to` matches nothing. When `from` matches
    // nothing the first range added is an empty one, and later ones are not added.
    void addFilter(ListModel* model, DWORD tag, const void* from, const void* to);
    // The length of all ranges together; ListModel::c_noIndex when there are none.
    UINT size() const;
    // The model position of a filtered one; the position itself without ranges, and
    // ListModel::c_noIndex past the last range.
    UINT logicalToActual(UINT position) const;

private:
    UINT startOf(UINT pair) const;
    UINT endOf(UINT pair) const;

    ArrayList* m_bounds;
};

}  // namespace Nevo
