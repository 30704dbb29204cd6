// One full-screen page of the program inside the main frame; the top card of the stack is
// the visible one.
#pragma once

#include "atl/CWindow.h"

namespace Nevo {

class Card {
public:
    Card() = default;
    virtual ~Card() = default;
    // Cards carry no state of their own to copy.
    Card(const Card&) {}
    Card& operator=(const Card&) { return *this; }

    // The card is now on top: it sets up the frame's menu bar and title and shows its window.
    virtual void activate(CWindow* mainFrame) = 0;
    // Another card covers this one, or it is being popped.
    virtual void deactivate() = 0;
    virtual int getId() = 0;
    virtual LPCWSTR getHelpTopic() = 0;
};

}  // namespace Nevo
