// The abstract application object: what the libraries ask of the running program (its main
// window, resources, help, About box) and its reactions to memory shortage and hibernation.
#pragma once

#include <windows.h>

namespace Nevo {

class Theme;
class ResourceLoader;

class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Gives back the pooled string buffers, sequences and positions.
    virtual void lowMem();
    // Goes through the virtual table, so that an application's own lowMem runs.
    virtual void hibernate();
    virtual void activate(WORD state);
    virtual void createCards(HWND frame) = 0;
    virtual ResourceLoader* getResourceLoader() = 0;
    virtual void showAbout(HWND parent) = 0;
    virtual HWND getMainWindow() = 0;
    // Nonzero when the top card had a help topic to show.
    virtual int showTopicHelp() = 0;

    // Made for the main window on first use; lives as long as the application.
    Theme* getTheme();
    // Starts the help viewer on `file`#`topic` without waiting; a failure goes unreported.
    void showHelp(LPCWSTR file, LPCWSTR topic);
    // "file#topic", cut to the viewer's limit of c_helpLineMax characters.
    static void helpCommandLine(LPCWSTR file, LPCWSTR topic, WCHAR (&line)[192]);
    static constexpr int c_helpLineMax = 191;

protected:
    Theme* m_theme;
};

}  // namespace Nevo
