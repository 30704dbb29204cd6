// An active application whose resources are the program's, with nevo_ui's behind them, as
// the viewer has them: what the viewer's models need to find their texts and images.
#pragma once

#include "UiModule.h"
#include "app/ResourceLoader.h"
#include "support/PlainApp.h"

namespace viewer_test {

class ResourceApp : public test_support::PlainApp {
public:
    ResourceApp() : m_loader(GetModuleHandleW(nullptr)) { m_loader.setFallback(nevo_ui_getLocalModule().GetModuleInstance()); }
    Nevo::ResourceLoader* getResourceLoader() override { return &m_loader; }

private:
    Nevo::ResourceLoader m_loader;
};

}  // namespace viewer_test
