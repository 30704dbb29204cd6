// The observer list: windows that want to hear of changes, told synchronously through
// SendMessageW with the list notifications below.
#pragma once

#include <windows.h>

namespace Nevo {

class Sequence;

class EventSource {
public:
    // The list notifications; lParam is always 0.
    static constexpr UINT NotifyItemInserted = WM_APP;      // wParam: index of the new item
    static constexpr UINT NotifyItemRemoved = WM_APP + 1;   // wParam: index the item had
    static constexpr UINT NotifyListChanged = WM_APP + 2;   // wParam: the model, or size - 1 after a clear
    static constexpr UINT NotifyItemChanged = WM_APP + 3;   // wParam: index of the item

    EventSource();
    // Gives the observer sequence back; the windows are not touched.
    virtual ~EventSource();
    // Copies share the observer sequence: only one of the two may be destroyed.
    EventSource(const EventSource&) = default;
    EventSource& operator=(const EventSource&) = default;

    // A window added twice is told twice. Returns nonzero.
    LONG addObserver(HWND window);
    // Removes the first occurrence; 0 when the window was not there.
    LONG removeObserver(HWND window);
    // Sends to every observer in the order added, each send finished before the next.
    // Observers must not remove themselves or others meanwhile. Returns 0.
    LONG notify(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Sequence* m_observers;
};

}  // namespace Nevo
