// The pages opened from one another: pushing activates the new top card, popping destroys it
// and brings back the one below.
#pragma once

#include "atl/CWindow.h"

namespace Nevo {

class Card;
class Sequence;

class CardStack {
public:
    // The frame is not owned.
    explicit CardStack(CWindow* mainFrame);
    // Destroys the cards top first, without deactivating them.
    ~CardStack();
    CardStack(const CardStack&) = delete;
    CardStack& operator=(const CardStack&) = delete;

    // Takes ownership. The card is activated before it joins the stack, so during its
    // activate getTop still gives the card below.
    void addCard(Card* card);
    // Needs two cards at least: the bottom card stays.
    void pop();
    // Brings the first card (from the bottom) with `id` to the top; false when none has it.
    bool switchToCard(int id);
    // Null on an empty stack.
    Card* getTop() const;
    CWindow* getMainFrame() const { return m_mainFrame; }

private:
    CWindow* m_mainFrame;
    Sequence* m_cards;
};

}  // namespace Nevo
