// The application object's base behaviour: its theme, the help viewer, and memory shortage
// emptying the library's pools.
#include "app/App.h"

#include <initializer_list>

#include "app/Theme.h"

#include "core/Sequence.h"
#include "core/StringBuffer.h"

namespace Nevo {

App::App() : m_theme(nullptr) {}

App::~App() {
    delete m_theme;
}

Theme* App::getTheme() {
    if (!m_theme)
        m_theme = new Theme(getMainWindow());
    return m_theme;
}

void App::helpCommandLine(LPCWSTR file, LPCWSTR topic, WCHAR (&line)[192]) {
    int length = 0;
    for (LPCWSTR part : {file, static_cast<LPCWSTR>(u"#"), topic}) {
        for (; *part && length < c_helpLineMax; ++part)
            line[length++] = *part;
    }
    line[length] = 0;
}

void App::showHelp(LPCWSTR file, LPCWSTR topic) {
    WCHAR line[192];
    helpCommandLine(file, topic, line);
    // Not waited for; a viewer that cannot start goes unreported.
    CreateProcessW(u"peghelp.exe", line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, nullptr);
}

void App::lowMem() {
    str_purgepool();
    Sequence::purgePool();
}

void App::hibernate() {
    lowMem();
}

void App::activate(WORD) {}

}  // namespace Nevo
