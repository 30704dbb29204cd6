// The application object's base behaviour: memory shortage empties the library's pools.
#include "app/App.h"

#include "core/Sequence.h"
#include "core/StringBuffer.h"

namespace Nevo {

App::App() : m_theme(nullptr) {}

// Nothing creates a theme yet, so there is none to delete.
App::~App() = default;

void App::lowMem() {
    str_purgepool();
    Sequence::purgePool();
}

void App::hibernate() {
    lowMem();
}

void App::activate(WORD) {}

}  // namespace Nevo
