#include "app/ProgramTitle.h"

#include "resources/ResourceIds.h"

namespace Orvane {

const WCHAR* programTitle() {
    static WCHAR title[c_titleLength + 1];
    if (!title[0]) LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, title, c_titleLength + 1);
    return title;
}

}  // namespace Orvane
