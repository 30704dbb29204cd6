// The showcase's rows: a name and a line of details each, one selected, some tagged.
#pragma once

#include <string>
#include <vector>

namespace showcase {

struct Row {
    std::u16string name;
    std::u16string details;
    bool tagged = false;
};

class RowList {
public:
    RowList();

    const std::vector<Row>& rows() const { return m_rows; }
    int selected() const { return m_selected; }
    // Moves the selection by delta, stopping at either end; true when it moved.
    bool moveSelection(int delta);
    bool select(int index);
    void toggleTag();
    // Removes the selected row; the selection moves to the row that took its place.
    void removeSelected();

private:
    std::vector<Row> m_rows;
    int m_selected = 0;
};

}  // namespace showcase
