// A database list model that can show only the records whose value lies between two bounds
// in one or more sort properties: the records of each property's range, one range after
// the other (a record within several ranges shows once for each).
#pragma once

#include "records/CeDbListModel.h"

namespace Nevo {

class FilterIndex;
class Sequence;

class MultiIndexListModel : public CeDbListModel {
public:
    MultiIndexListModel(const WCHAR* name, CEPROPID sortPropid);
    ~MultiIndexListModel() override;
    MultiIndexListModel(const MultiIndexListModel&) = delete;
    MultiIndexListModel& operator=(const MultiIndexListModel&) = delete;

    // Nothing when the property already has an index.
    void addIndex(CEPROPID propid);
    // Applies the bounds to every index (a number, or a wide string or FILETIME address, as
    // the property's seek takes them; copied) and tells the observers.
    void filter(const void* from, const void* to);
    // Shows the whole database again; observers are not told.
    void clearFilter();
    bool isFiltered() const { return m_filtered; }
    // While filtered, the number of records in all ranges, so that size and at agree.
    UINT size() const override;
    ListItem* at(UINT index) override;
    // A change reached an index, which found its range again: while filtered, the views are told.
    void rangeChanged();

private:
    Sequence* m_indices;
    bool m_filtered = false;
};

}  // namespace Nevo
