// livelist: the records of one database as a live list, the library's example of its
// database-backed models. The list follows what other programs change in the database
// (cedb put, cedb rm) without being refreshed. `livelist --help` tells how to use it.
#include <algorithm>
#include <iostream>
#include <memory>

#include "Arguments.h"
#include "LiveWindow.h"
#include "RecordList.h"
#include "app/App.h"
#include "atl/atlapp.h"
#include "app/Globals.h"
#include "ceobjstore.h"
#include "cewchar.h"

namespace {

class LiveListApp : public Nevo::App {
public:
    void createCards(HWND) override {}
    Nevo::ResourceLoader* getResourceLoader() override { return nullptr; }
    void showAbout(HWND) override {}
    HWND getMainWindow() override { return m_window; }
    int showTopicHelp() override { return 0; }
    void setMainWindow(HWND window) { m_window = window; }

private:
    HWND m_window = nullptr;
};

std::string hex(CEPROPID propid) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(propid));
    return text;
}

int fail(const std::string& message, int code) {
    std::cerr << "livelist: " << message << "\n";
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    bool help = false;
    auto arguments = livelist::parseArguments(std::vector<std::string>(argv + 1, argv + argc), error, help);
    if (help) {
        std::cout << livelist::c_usage;
        return 0;
    }
    if (!arguments) return fail(error + "\n" + livelist::c_usage, 1);

    std::string name = ce::toUtf8(arguments->database);
    if (!ce::objstore::openVolume()) return fail(ce::objstore::lastVolumeError(), 2);
    auto sorts = livelist::sortOrdersOf(arguments->database);
    if (!sorts) {
        DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND)
            return fail("no database named \"" + name + "\" in " + ce::objstore::volumePath(), 2);
        std::string reason = ce::objstore::lastVolumeError();
        return fail("cannot open \"" + name + "\": " + (reason.empty() ? "error " + std::to_string(code) : reason), 2);
    }
    CEPROPID sortPropid = arguments->sortGiven ? arguments->sortPropid : (sorts->empty() ? 0 : sorts->front());
    if (sortPropid && std::find(sorts->begin(), sorts->end(), sortPropid) == sorts->end()) {
        std::string known;
        for (CEPROPID propid : *sorts) known += " " + hex(propid);
        return fail("\"" + name + "\" has no sort order on " + hex(sortPropid) +
                        (known.empty() ? "; it has none (use 0 for creation order)" : "; its sort orders:" + known),
                    2);
    }
    // The sort property first, then the other sort orders' properties.
    std::vector<CEPROPID> shown;
    if (sortPropid) shown.push_back(sortPropid);
    for (CEPROPID propid : *sorts)
        if (propid != sortPropid) shown.push_back(propid);

    // The model's notifications go to the active application's main window: it exists
    // before the model opens the database.
    appModule().Init(GetModuleHandleW(nullptr));
    LiveListApp app;
    Nevo::Globals::setActiveApp(&app);
    livelist::LiveWindow window(&app);
    if (!window.Create(nullptr, CWindow::rcDefault, arguments->database.c_str(), WS_CLIPCHILDREN | WS_CLIPSIBLINGS))
        return fail("cannot create the window", 3);
    app.setMainWindow(window.m_hWnd);
    livelist::RecordList model(arguments->database, sortPropid, shown);
    if (arguments->filter && !model.setBounds(arguments->filter->first, arguments->filter->second, error)) {
        window.DestroyWindow();
        return fail(error, 1);
    }
    window.present(&model);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Ctrl+Q quits, as in the viewer.
        if (msg.message == WM_KEYDOWN && msg.wParam == 'Q' && (GetKeyState(VK_CONTROL) & 0x8000)) {
            window.DestroyWindow();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (window.m_hWnd) window.DestroyWindow();
    Nevo::Globals::setActiveApp(nullptr);
    appModule().Term();
    return static_cast<int>(msg.wParam);
}
