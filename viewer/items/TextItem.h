// The viewer's list entry: a record the models hold (ListItem) that paints itself as one or
// two lines of text (TextListItemDrawer).
#pragma once

#include <windows.h>

#include "TextListItemDrawer.h"
#include "records/ListItem.h"

namespace Orvane {

class TextItem : public Nevo::TextListItemDrawer, public Nevo::ListItem {
public:
    explicit TextItem(Nevo::Template* shape) : Nevo::ListItem(shape) {}
    ~TextItem() override = default;

    void draw(const DRAWITEMSTRUCT* drawItem) override { Nevo::TextListItemDrawer::draw(drawItem); }
};

}  // namespace Orvane
