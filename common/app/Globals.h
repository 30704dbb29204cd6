// Process-wide state of the libraries: the active application object.
#pragma once

namespace Nevo {

class App;

class Globals {
public:
    static void setActiveApp(App* app) { c_app = app; }
    // Null until a program makes its application the active one.
    static App* getActiveApp() { return c_app; }

private:
    static App* c_app;
};

}  // namespace Nevo
