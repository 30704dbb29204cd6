// nevo_ui's module object: its instance handle, which programs use as the fallback module of
// their resource loader.
#pragma once

#include <windows.h>

#include "atl/CAppModule.h"

namespace Nevo {

class UiModule {
public:
    // The library's module object, set up when the library loads.
    static CAppModule& module();
    static HINSTANCE instance() { return module().GetModuleInstance(); }
};

}  // namespace Nevo

// A copy of the library's module object.
CAppModule nevo_ui_getLocalModule();
