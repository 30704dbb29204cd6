// The test program's dialog templates: a form with a default button, a dialog with nothing
// to focus, an About box as the viewer has it, and one naming a class that does not exist.
#include "ceresource.h"
#include "platform/dialog/DialogTestIds.h"
#include "platform/resource/TestResourceIds.h"

namespace {

const ce::res::DialogControl c_form[] = {
    {u"STATIC", u"Name", IDC_NAME, WS_VISIBLE | SS_LEFT, 4, 4, 60, 10},
    {u"BUTTON", u"Apply", IDC_APPLY, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 4, 20, 40, 14},
    {u"BUTTON", u"Done", IDC_DONE, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 48, 20, 40, 14},
    {u"BUTTON", u"Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 92, 20, 40, 14},
};

const ce::res::DialogControl c_plain[] = {
    {u"STATIC", u"Nothing to press", IDC_NAME, WS_VISIBLE | SS_LEFT, 4, 4, 100, 10},
};

const ce::res::DialogControl c_about[] = {
    {u"STATIC", MAKEINTRESOURCEW(IDB_PICTURE), IDC_PICTURE, WS_VISIBLE | SS_BITMAP, 20, 13, 32, 30},
    {u"STATIC", u"Orvane", 0xFFFF, WS_VISIBLE | SS_LEFT, 60, 13, 90, 10},
    {u"STATIC", u"", IDC_VERSION, WS_VISIBLE | SS_LEFT, 60, 25, 90, 10},
    {u"STATIC", u"Property databases of the object store", 0xFFFF, WS_VISIBLE | SS_LEFT, 10, 56, 134, 20},
    {u"STATIC", u"(c) Orvane developers", 0xFFFF, WS_VISIBLE | SS_RIGHT, 10, 140, 134, 10},
};

const ce::res::DialogControl c_broken[] = {
    {u"NoSuchClass", u"", 1, WS_VISIBLE, 0, 0, 10, 10},
};

constexpr DWORD c_aboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

const ce::res::DialogResource c_dialogs[] = {
    {IDD_TEST_FORM, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, u"Form", u"System", 8, 0, 0, 140, 40, c_form},
    {IDD_TEST_PLAIN, WS_POPUP | WS_BORDER | DS_SETFONT, 0, u"Plain", nullptr, 8, 10, 10, 110, 20, c_plain},
    {IDD_TEST_ABOUT, c_aboutStyle, 0, u"About Orvane", u"System", 8, 0, 0, 154, 162, c_about},
    {IDD_TEST_BROKEN, WS_POPUP, 0, u"Broken", nullptr, 0, 0, 0, 50, 50, c_broken},
};

const ce::res::ModuleResources c_resources{.dialogs = c_dialogs};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
