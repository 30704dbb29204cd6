// CardStack: the order in which cards are deactivated, activated and destroyed.
#include "CardStack.h"

#include "Card.h"
#include "core/Sequence.h"

namespace Nevo {

CardStack::CardStack(CWindow* mainFrame) : m_mainFrame(mainFrame), m_cards(Sequence::makeSequence()) {}

CardStack::~CardStack() {
    while (!m_cards->isEmpty())
        delete static_cast<Card*>(m_cards->pop());
    m_cards->free();
}

Card* CardStack::getTop() const {
    Position* top = m_cards->last();
    return top ? static_cast<Card*>(top->element()) : nullptr;
}

void CardStack::addCard(Card* card) {
    if (Card* top = getTop())
        top->deactivate();
    card->activate(m_mainFrame);
    m_cards->insertLast(card);
}

void CardStack::pop() {
    // The bottom card is never popped.
    if (m_cards->size() < 2)
        return;
    auto* card = static_cast<Card*>(m_cards->pop());
    card->deactivate();
    delete card;
    getTop()->activate(m_mainFrame);
}

bool CardStack::switchToCard(int id) {
    for (Position* at = m_cards->first(); at; at = m_cards->after(at)) {
        auto* card = static_cast<Card*>(at->element());
        if (card->getId() == id) {
            m_cards->remove(at);
            addCard(card);
            return true;
        }
    }
    return false;
}

}  // namespace Nevo
