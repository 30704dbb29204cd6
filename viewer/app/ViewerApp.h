// The viewer's application object: it owns the card stack, the catalogue and the resource
// loader, and answers the libraries' questions about the program (main window, help, About).
#pragma once

#include "app/App.h"

namespace Nevo {
class CardStack;
class ResourceLoader;
}  // namespace Nevo

namespace Orvane {

class DbList;
class MainFrame;

class ViewerApp : public Nevo::App {
public:
    ViewerApp() = default;
    // The card stack first (its cards show the catalogue), then the catalogue.
    ~ViewerApp() override;
    ViewerApp(const ViewerApp&) = delete;
    ViewerApp& operator=(const ViewerApp&) = delete;

    // Ends the program with exit code 2.
    void hibernate() override;
    void activate(WORD state) override;
    // The card stack on the frame, with the catalogue card on it.
    void createCards(HWND frame) override;
    Nevo::ResourceLoader* getResourceLoader() override;
    void showAbout(HWND parent) override;
    HWND getMainWindow() override;
    int showTopicHelp() override;

    // Made and filled on the first call.
    DbList* getDbList();
    // Null before createCards.
    Nevo::CardStack* getCardStack() const { return m_cards; }
    // The frame object whose window createCards is given; not owned.
    void setMainFrame(MainFrame* frame) { m_frame = frame; }
    MainFrame* getMainFrame() const { return m_frame; }

private:
    DbList* m_dbList = nullptr;
    Nevo::CardStack* m_cards = nullptr;
    Nevo::ResourceLoader* m_loader = nullptr;
    MainFrame* m_frame = nullptr;
};

}  // namespace Orvane
