// The showcase's resource table: its strings and the scroll arrows with their masks.
#include "ceresource.h"
#include "resource.h"
#include "showcase_bitmaps.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_TITLE, u"Showcase"},
    {IDS_HINT, u"Tap a row, or use Up, Down and Enter"},
    {IDS_TAGGED, u"tagged"},
    {IDS_SELECTED, u"Selected: %s"},
};

const ce::res::BitmapResource c_bitmaps[] = {
    {IDB_ARROW_UP, showcase_bitmaps::arrow_up},
    {IDB_ARROW_UP_MASK, showcase_bitmaps::arrow_up_mask},
    {IDB_ARROW_DOWN, showcase_bitmaps::arrow_down},
    {IDB_ARROW_DOWN_MASK, showcase_bitmaps::arrow_down_mask},
};

const ce::res::ModuleResources c_resources{.strings = c_strings, .bitmaps = c_bitmaps};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
