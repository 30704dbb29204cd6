// Chained hash table of Hashable items keyed by their own 32-bit codes. Buckets are
// Sequences chosen by a random universal hash function, redrawn on every resize.
#pragma once

#include <cstdint>

namespace Nevo {

class Sequence;

class Hashable {
public:
    virtual ~Hashable() = default;
    // Must not change while the item is in a table: remove, change, then add again.
    virtual int32_t getHashCode() const = 0;
};

// ((a * k + b) mod p) mod m with 1 <= a < p, 0 <= b < p, p the smallest prime >= m.
class UniversalHash {
public:
    explicit UniversalHash(uint32_t bucketCount);

    uint32_t bucketOf(int32_t code) const;

    int32_t getA() const { return m_a; }
    int32_t getB() const { return m_b; }
    int32_t getP() const { return m_p; }
    int32_t getM() const { return m_m; }

    static int32_t smallestPrimeNotBelow(int32_t m);

private:
    int32_t m_a;
    int32_t m_b;
    int32_t m_p;
    int32_t m_m;
};

class Hash {
public:
    // Returns true for the item sought; receives the item (a Hashable*) and the context.
    using Matcher = bool (*)(void* item, void* context);

    // At least 10 buckets. A load factor (percent) of 0 means the table never grows.
    Hash(uint32_t initialBucketCount, uint32_t loadFactor);
    virtual ~Hash();
    Hash(const Hash&) = delete;
    Hash& operator=(const Hash&) = delete;

    uint32_t size() const { return m_count; }
    // The table never owns its items; the same item may be added twice.
    void add(Hashable* item);
    Hashable* remove(int32_t code);
    Hashable* remove(Hashable* item);
    // With a matcher the code only chooses the bucket; the matcher decides.
    Hashable* get(int32_t code, Matcher matcher = nullptr, void* context = nullptr) const;
    Hashable* first(uint32_t* bucketIndex = nullptr) const;
    void removeFirst();

    // For tests.
    uint32_t getBucketCount() const { return m_bucketCount; }
    const UniversalHash& getBucketFunction() const { return *m_function; }

protected:
    virtual int32_t getHashCode(Hashable* item) const;

private:
    void rehash(uint32_t bucketCount);
    void place(Hashable* item);
    Sequence* bucketFor(int32_t code) const;

    Sequence** m_buckets = nullptr;
    uint32_t m_bucketCount;
    uint32_t m_loadFactor;
    uint32_t m_count = 0;
    UniversalHash* m_function = nullptr;
};

}  // namespace Nevo
