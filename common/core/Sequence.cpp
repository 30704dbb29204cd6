// Sequence and Position with their pools: freed positions stack up in a LIFO list,
// given-back sequences wait at the front of a container sequence.
#include "core/Sequence.h"

#include "core/HeapCtrl.h"

namespace Nevo {

Position* Position::c_pool = nullptr;
int Position::c_live = 0;
Sequence* Sequence::c_pool = nullptr;
int Sequence::c_live = 0;

namespace {

int identical(const void* a, const void* b) {
    return a == b ? 1 : 0;
}

}  // namespace

// ---- Position ----

Position::~Position() {
    --c_live;
}

void* Position::replace(void* element) {
    void* old = m_element;
    m_element = element;
    return old;
}

Position* Position::pos_new() {
    Position* position = c_pool;
    if (position) {
        c_pool = position->m_next;
    } else {
        position = new Position;
        ++c_live;
    }
    position->m_next = nullptr;
    position->m_previous = nullptr;
    position->m_element = nullptr;
    return position;
}

void Position::free() {
    m_next = c_pool;
    c_pool = this;
}

void Position::swap(Position* a, Position* b) {
    void* element = a->m_element;
    a->m_element = b->m_element;
    b->m_element = element;
}

void Position::purgePool() {
    while (c_pool) {
        Position* next = c_pool->m_next;
        delete c_pool;
        c_pool = next;
    }
}

int Position::poolSize() {
    int count = 0;
    for (Position* p = c_pool; p; p = p->m_next) ++count;
    return count;
}

int Position::liveCount() {
    return c_live;
}

// ---- Sequence: obtaining and giving back ----

Sequence::Sequence() : m_head(Position::pos_new()), m_tail(Position::pos_new()) {
    m_head->m_next = m_tail;
    m_tail->m_previous = m_head;
    ++c_live;
}

Sequence::~Sequence() {
    Position* position = m_head;
    while (position) {
        Position* next = position->m_next;
        delete position;
        position = next;
    }
    --c_live;
}

Sequence* Sequence::makeSequence() {
    if (c_pool && !c_pool->isEmpty()) {
        Position* front = c_pool->first();
        Sequence* sequence = static_cast<Sequence*>(front->element());
        c_pool->remove(front);
        return sequence;
    }
    return new Sequence;
}

void Sequence::releasePositions() {
    Position* position = m_head->m_next;
    while (position != m_tail) {
        Position* next = position->m_next;
        position->free();
        position = next;
    }
    m_head->m_next = m_tail;
    m_tail->m_previous = m_head;
    m_count = 0;
}

void Sequence::free() {
    releasePositions();
    // The first sequence given back becomes the pool's container and is never handed out.
    if (!c_pool) {
        c_pool = this;
    } else {
        c_pool->insertFirst(this);
    }
}

void Sequence::purgePool() {
    if (c_pool) {
        while (void* pooled = c_pool->pop()) delete static_cast<Sequence*>(pooled);
        delete c_pool;
        c_pool = nullptr;
    }
    Position::purgePool();
}

int Sequence::poolSize() {
    return c_pool ? c_pool->size() : 0;
}

int Sequence::liveCount() {
    return c_live;
}

// ---- Reading and walking ----

Position* Sequence::first() const {
    return m_count ? m_head->m_next : nullptr;
}

Position* Sequence::last() const {
    return m_count ? m_tail->m_previous : nullptr;
}

Position* Sequence::after(const Position* position) const {
    return position->m_next == m_tail ? nullptr : position->m_next;
}

Position* Sequence::before(const Position* position) const {
    return position->m_previous == m_head ? nullptr : position->m_previous;
}

Position* Sequence::at(int32_t index) const {
    if (index < 0 || index >= m_count) return nullptr;
    Position* position = m_head->m_next;
    while (index-- > 0) position = position->m_next;
    return position;
}

Position* Sequence::find(Compare matcher, const void* key, bool /*flag*/) const {
    for (Position* p = first(); p; p = after(p)) {
        if (matcher(key, p->m_element)) return p;
    }
    return nullptr;
}

void** Sequence::toarray() const {
    void** array = static_cast<void**>(xmalloc((static_cast<size_t>(m_count) + 1) * sizeof(void*)));
    if (!array) return nullptr;
    int i = 0;
    for (Position* p = first(); p; p = after(p)) array[i++] = p->m_element;
    array[i] = nullptr;
    return array;
}

// ---- Changing ----

void Sequence::insertAfter(void* element, Position* position) {
    Position* added = Position::pos_new();
    added->m_element = element;
    added->m_previous = position;
    added->m_next = position->m_next;
    position->m_next->m_previous = added;
    position->m_next = added;
    ++m_count;
}

void Sequence::insertBefore(void* element, Position* position) {
    insertAfter(element, position->m_previous);
}

void Sequence::insertFirst(void* element) {
    insertAfter(element, m_head);
}

void Sequence::insertLast(void* element) {
    insertBefore(element, m_tail);
}

void Sequence::remove(Position* position) {
    position->m_previous->m_next = position->m_next;
    position->m_next->m_previous = position->m_previous;
    position->free();
    --m_count;
}

bool Sequence::removeElement(const void* element) {
    Position* position = find(identical, element);
    if (!position) return false;
    remove(position);
    return true;
}

void* Sequence::pop() {
    Position* position = last();
    if (!position) return nullptr;
    void* element = position->m_element;
    remove(position);
    return element;
}

int Sequence::addUnique(void* element) {
    if (find(identical, element)) return 0;
    insertLast(element);
    return 1;
}

void Sequence::reorder(Compare cmp) {
    for (Position* p = first(); p; p = after(p)) {
        for (Position* q = after(p); q; q = after(q)) {
            if (cmp(p->m_element, q->m_element) >= 0) Position::swap(p, q);
        }
    }
}

}  // namespace Nevo
