// EventSource: observers kept in a pooled sequence in the order added.
#include "app/EventSource.h"

#include "core/Sequence.h"

namespace Nevo {

EventSource::EventSource() : m_observers(Sequence::makeSequence()) {}

EventSource::~EventSource() {
    m_observers->free();
}

LONG EventSource::addObserver(HWND window) {
    m_observers->insertLast(window);
    return 1;
}

LONG EventSource::removeObserver(HWND window) {
    return m_observers->removeElement(window) ? 1 : 0;
}

LONG EventSource::notify(UINT message, WPARAM wParam, LPARAM lParam) {
    for (Position* p = m_observers->first(); p; p = m_observers->after(p)) {
        SendMessageW(static_cast<HWND>(p->element()), message, wParam, lParam);
    }
    return 0;
}

}  // namespace Nevo
