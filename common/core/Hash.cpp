// Hash table with lazily created bucket sequences and a universal hash function drawn
// with the platform's Random.
#include "core/Hash.h"

#include <vector>

#include <windows.h>

#include "core/HeapCtrl.h"
#include "core/Sequence.h"

namespace Nevo {

namespace {

const uint32_t c_minimumBuckets = 10;

}  // namespace

// ---- UniversalHash ----

int32_t UniversalHash::smallestPrimeNotBelow(int32_t m) {
    std::vector<int32_t> primes;
    for (int32_t candidate = 2;; ++candidate) {
        bool prime = true;
        // A listed prime above the square root cannot divide the candidate.
        for (int32_t listed : primes) {
            if (static_cast<int64_t>(listed) * listed > candidate) break;
            if (candidate % listed == 0) {
                prime = false;
                break;
            }
        }
        if (!prime) continue;
        if (candidate >= m) return candidate;
        primes.push_back(candidate);
    }
}

UniversalHash::UniversalHash(uint32_t bucketCount)
    : m_p(smallestPrimeNotBelow(static_cast<int32_t>(bucketCount))), m_m(static_cast<int32_t>(bucketCount)) {
    const DWORD p = static_cast<DWORD>(m_p);
    DWORD a;
    DWORD b;
    do {
        a = Random() % p;
        b = Random() % p;
    } while (a == 0);
    m_a = static_cast<int32_t>(a);
    m_b = static_cast<int32_t>(b);
}

uint32_t UniversalHash::bucketOf(int32_t code) const {
    // 32-bit wrapping product and sum, then a signed remainder moved into [0, p).
    const int32_t mixed = static_cast<int32_t>(static_cast<uint32_t>(m_a) * static_cast<uint32_t>(code) +
                                               static_cast<uint32_t>(m_b));
    int32_t r = mixed % m_p;
    if (r < 0) r += m_p;
    return static_cast<uint32_t>(r % m_m);
}

// ---- Hash ----

Hash::Hash(uint32_t initialBucketCount, uint32_t loadFactor)
    : m_bucketCount(0), m_loadFactor(loadFactor) {
    rehash(initialBucketCount < c_minimumBuckets ? c_minimumBuckets : initialBucketCount);
}

Hash::~Hash() {
    for (uint32_t i = 0; i < m_bucketCount; ++i) {
        if (m_buckets[i]) m_buckets[i]->free();
    }
    xfree(m_buckets);
    delete m_function;
}

int32_t Hash::getHashCode(Hashable* item) const {
    return item->getHashCode();
}

Sequence* Hash::bucketFor(int32_t code) const {
    return m_buckets[m_function->bucketOf(code)];
}

void Hash::place(Hashable* item) {
    Sequence*& bucket = m_buckets[m_function->bucketOf(getHashCode(item))];
    if (!bucket) bucket = Sequence::makeSequence();
    bucket->insertLast(item);
}

void Hash::add(Hashable* item) {
    if (m_bucketCount * m_loadFactor != 0 && m_count * 100 / m_bucketCount > m_loadFactor) {
        rehash(m_bucketCount * 2);
    }
    place(item);
    ++m_count;
}

void Hash::rehash(uint32_t bucketCount) {
    Sequence** oldBuckets = m_buckets;
    const uint32_t oldCount = m_bucketCount;

    m_buckets = static_cast<Sequence**>(xmalloc(bucketCount * sizeof(Sequence*)));
    m_bucketCount = bucketCount;
    delete m_function;
    m_function = new UniversalHash(bucketCount);

    for (uint32_t i = 0; i < oldCount; ++i) {
        Sequence* bucket = oldBuckets[i];
        if (!bucket) continue;
        for (Position* p = bucket->first(); p; p = bucket->after(p)) place(static_cast<Hashable*>(p->element()));
        bucket->free();
    }
    if (oldBuckets) xfree(oldBuckets);
}

Hashable* Hash::remove(int32_t code) {
    Sequence* bucket = bucketFor(code);
    if (!bucket) return nullptr;
    for (Position* p = bucket->first(); p; p = bucket->after(p)) {
        Hashable* item = static_cast<Hashable*>(p->element());
        if (getHashCode(item) == code) {
            bucket->remove(p);
            --m_count;
            return item;
        }
    }
    return nullptr;
}

Hashable* Hash::remove(Hashable* item) {
    Sequence* bucket = bucketFor(getHashCode(item));
    if (!bucket || !bucket->removeElement(item)) return nullptr;
    --m_count;
    return item;
}

Hashable* Hash::get(int32_t code, Matcher matcher, void* context) const {
    Sequence* bucket = bucketFor(code);
    if (!bucket) return nullptr;
    for (Position* p = bucket->first(); p; p = bucket->after(p)) {
        Hashable* item = static_cast<Hashable*>(p->element());
        if (matcher ? matcher(item, context) : getHashCode(item) == code) return item;
    }
    return nullptr;
}

Hashable* Hash::first(uint32_t* bucketIndex) const {
    for (uint32_t i = 0; i < m_bucketCount; ++i) {
        if (m_buckets[i] && !m_buckets[i]->isEmpty()) {
            if (bucketIndex) *bucketIndex = i;
            return static_cast<Hashable*>(m_buckets[i]->first()->element());
        }
    }
    return nullptr;
}

void Hash::removeFirst() {
    uint32_t index = 0;
    if (!first(&index)) return;
    m_buckets[index]->remove(m_buckets[index]->first());
    --m_count;
}

}  // namespace Nevo
