// The core library's load and unload: builds the heap table and clears the error ring at
// load, and destroys the string heap, then the typed heaps 3, 2, 1, 0, at unload.
#include "core/ErrorInfo.h"
#include "core/HeapCtrl.h"

namespace Nevo {

namespace {

class CoreLibrary {
public:
    // Built on first use, so that another static initialiser that allocates still finds
    // the heaps; c_loaded below makes that happen at load at the latest.
    static CoreLibrary& instance() {
        static CoreLibrary library;
        return library;
    }

    HeapCtrl& typed(HeapType type) {
        switch (type) {
            case HEAP_SPARE: return m_spare;
            case HEAP_ITEMS: return m_items;
            case HEAP_DATABASE: return m_database;
            default: return m_general;
        }
    }
    HeapCtrl& strings() { return m_strings; }

private:
    CoreLibrary() { ErrorInfo::clearRing(); }

    // Members are destroyed in the reverse of this order: strings, then 3, 2, 1, 0.
    HeapCtrl m_general{0};
    HeapCtrl m_spare{0};
    HeapCtrl m_items{0};
    HeapCtrl m_database{0};
    HeapCtrl m_strings{2048};
};

[[maybe_unused]] CoreLibrary& c_loaded = CoreLibrary::instance();

}  // namespace

HeapCtrl& HeapCtrl::get(HeapType type) {
    return CoreLibrary::instance().typed(type);
}

HeapCtrl& HeapCtrl::getStringHeap() {
    return CoreLibrary::instance().strings();
}

}  // namespace Nevo
