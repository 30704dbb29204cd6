// An application object with nothing of its own: what tests of the library's services need
// when those services ask the application (its theme, the active application).
#pragma once

#include "app/App.h"

namespace test_support {

class PlainApp : public Nevo::App {
public:
    void createCards(HWND) override {}
    Nevo::ResourceLoader* getResourceLoader() override { return nullptr; }
    void showAbout(HWND) override {}
    HWND getMainWindow() override { return nullptr; }
    int showTopicHelp() override { return 0; }
};

}  // namespace test_support
