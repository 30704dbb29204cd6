// What the viewer's windows and items take from the active application: its theme and its
// strings. Both answer something harmless before a program makes an application active.
#pragma once

#include <windows.h>

#include "app/App.h"
#include "app/Globals.h"
#include "app/ResourceLoader.h"

namespace Orvane {

// None before an application is active.
inline Nevo::Theme* activeTheme() {
    Nevo::App* app = Nevo::Globals::getActiveApp();
    return app ? app->getTheme() : nullptr;
}

// The string through an application's resource loader (the program, then nevo_ui); empty
// when there is no application, loader or string.
inline const WCHAR* stringOf(Nevo::App* app, UINT id) {
    Nevo::ResourceLoader* loader = app ? app->getResourceLoader() : nullptr;
    const WCHAR* text = loader ? loader->loadString(id) : nullptr;
    return text ? text : u"";
}

// The same through the active application.
inline const WCHAR* activeString(UINT id) {
    return stringOf(Nevo::Globals::getActiveApp(), id);
}

}  // namespace Orvane
