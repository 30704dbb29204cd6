// nevo_ui's resource table: the arrow bitmaps and masks, and the strings "Home" and "End".
#include "UiResourceIds.h"
#include "ceresource.h"
#include "ui_bitmaps.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_HOME, u"Home"},
    {IDS_END, u"End"},
};

const ce::res::BitmapResource c_bitmaps[] = {
    {IDB_ARROWHEAD_DOWN, ui_bitmaps::arrowhead_down},
    {IDB_ARROWHEAD_UP, ui_bitmaps::arrowhead_up},
    {IDB_ARROW_DOWN_32, ui_bitmaps::arrow_down_32},
    {IDB_ARROW_DOWN_32_MASK, ui_bitmaps::arrow_down_32_mask},
    {IDB_ARROW_UP_32, ui_bitmaps::arrow_up_32},
    {IDB_ARROW_UP_32_MASK, ui_bitmaps::arrow_up_32_mask},
    {IDB_ARROW_DOWN_16, ui_bitmaps::arrow_down_16},
    {IDB_ARROW_DOWN_16_MASK, ui_bitmaps::arrow_down_16_mask},
    {IDB_ARROW_UP_16, ui_bitmaps::arrow_up_16},
    {IDB_ARROW_UP_16_MASK, ui_bitmaps::arrow_up_16_mask},
    {IDB_ARROW_DOWN_11, ui_bitmaps::arrow_down_11},
    {IDB_ARROW_DOWN_11_MASK, ui_bitmaps::arrow_down_11_mask},
    {IDB_ARROW_UP_11, ui_bitmaps::arrow_up_11},
    {IDB_ARROW_UP_11_MASK, ui_bitmaps::arrow_up_11_mask},
};

const ce::res::ModuleResources c_resources{.strings = c_strings, .bitmaps = c_bitmaps};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
