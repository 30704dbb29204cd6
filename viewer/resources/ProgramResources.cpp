// The program's resource table: its strings, the menu bars of the frame and the three
// cards, the accelerators, the icon, and the About box with its picture.
#include "ceresource.h"
#include "resources/ResourceIds.h"
#include "viewer_bitmaps.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_APP_TITLE, u"Orvane"},
    {IDS_DELETE_DB, u"Delete DB"},
    {IDS_BACK, u"Back"},
    {IDS_PREV, u"Prev"},
    {IDS_NEXT, u"Next"},
    {IDS_RESORT, u"Resort"},
    {IDS_PROPID, u"Propid 0x%x"},
    {IDS_NO_MORE_RECORDS, u"No more records"},
    {IDS_INDEXED, u"[indexed]"},
    {IDS_CHECK_DUPLICATES, u"Check Duplicates"},
    {IDS_TAG, u"Tag"},
    {IDS_DELETE, u"Delete"},
    {IDS_DUPLICATES_FOUND, u"%d duplicate(s) found:"},
    {IDS_DUP_BACK, u"Back"},
    {IDS_TAG_ALL, u"Tag All"},
    {IDS_TAG_NONE, u"Tag None"},
    {IDS_NO_DUPLICATE, u"No duplicate found"},
    {IDS_DELETE_QUESTION, u"Are you sure you wish to delete %d items? This can't be undone."},
    {IDS_NOTHING_TAGGED, u"No item tagged - tag items by selecting them in the list."},
    {IDS_DELETED, u"%d item(s) deleted"},
    {IDS_HELP_FILE, u"Orvane.htm"},
    {IDS_RECORD_HEADER, u"Record id 0x%x: %d props"},
    {IDS_VIEW, u"View"},
    {IDS_RECORD_END, u"End"},
    {IDS_RECORD_HOME, u"Home"},
};

const ce::res::BitmapResource c_bitmaps[] = {
    {IDB_ABOUT, viewer_bitmaps::about},
};

const ce::res::IconResource c_icons[] = {
    {IDI_MAINFRAME, viewer_bitmaps::icon, viewer_bitmaps::icon_mask},
};

const ce::res::MenuItem c_frameBar[] = {
    {u"About", IDM_ABOUT},
};
const ce::res::MenuItem c_sortMenu[] = {
    {u"By Name", IDM_SORT_BY_NAME},
    {u"By Size", IDM_SORT_BY_SIZE},
    {u"By num recs", IDM_SORT_BY_RECORDS},
};
const ce::res::MenuItem c_catalogueBar[] = {
    {u"Sort", 0, MF_POPUP, c_sortMenu},
    {u"Refresh", IDM_REFRESH},
    {u"About", IDM_ABOUT},
};
const ce::res::MenuItem c_toolsMenu[] = {
    {u"Check Duplicates", IDS_CHECK_DUPLICATES},
};
const ce::res::MenuItem c_recordBar[] = {
    {u"Tools", 0, MF_POPUP, c_toolsMenu},
    {u"About", IDM_ABOUT},
};
const ce::res::MenuItem c_tagMenu[] = {
    {u"Tag All", IDS_TAG_ALL},
    {u"Tag None", IDS_TAG_NONE},
};
const ce::res::MenuItem c_duplicateBar[] = {
    {u"Tag", 0, MF_POPUP, c_tagMenu},
    {u"About", IDM_ABOUT},
};
const ce::res::MenuResource c_menus[] = {
    {IDR_MAINFRAME, c_frameBar},
    {IDR_CATALOGUE_MENUBAR, c_catalogueBar},
    {IDR_RECORD_MENUBAR, c_recordBar},
    {IDR_DUPLICATE_MENUBAR, c_duplicateBar},
};

const ACCEL c_frameKeys[] = {
    {FVIRTKEY | FCONTROL, 'E', IDM_CTRL_E},
    {FVIRTKEY | FCONTROL, 'F', IDM_CTRL_F},
    {FVIRTKEY | FCONTROL, 'M', IDM_CTRL_M},
    {FVIRTKEY | FCONTROL, 'Q', IDM_QUIT},
    {FVIRTKEY | FCONTROL, 'T', IDM_CTRL_T},
};
const ce::res::AcceleratorResource c_accelerators[] = {
    {IDR_MAINFRAME, c_frameKeys},
};

constexpr DWORD c_text = WS_CHILD | WS_VISIBLE | SS_LEFT;
const ce::res::DialogControl c_aboutControls[] = {
    {u"STATIC", MAKEINTRESOURCEW(IDB_ABOUT), 0xFFFF, WS_CHILD | WS_VISIBLE | SS_BITMAP, 20, 13, 32, 30},
    {u"STATIC", u"Orvane", IDC_ABOUT_NAME, c_text, 70, 26, 70, 14},
    {u"STATIC", u"Orvane team", 0xFFFF, c_text, 70, 15, 51, 9},
    {u"STATIC", u"Version:", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_RIGHT, 8, 54, 60, 8},
    {u"STATIC", u"Version", IDC_ABOUT_VERSION, c_text, 74, 54, 73, 11},
    {u"STATIC", u"", 0xFFFF, c_text, 6, 109, 125, 25},
    {u"STATIC", u"", IDC_ABOUT_NOTICE, c_text, 14, 135, 132, 20},
};
const ce::res::DialogResource c_dialogs[] = {
    {.id = IDD_ABOUT, .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, .exStyle = 0,
     .caption = u"About Orvane", .fontName = u"System", .fontPoints = 8, .x = 0, .y = 0, .cx = 154, .cy = 162,
     .controls = c_aboutControls},
};

const ce::res::ModuleResources c_resources{.strings = c_strings, .bitmaps = c_bitmaps, .icons = c_icons,
                                           .menus = c_menus, .dialogs = c_dialogs,
                                           .accelerators = c_accelerators};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
