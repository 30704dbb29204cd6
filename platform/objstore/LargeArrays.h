// Storage for an index's large arrays. A million-record order holds tens of megabytes that a
// cold open fills at once; taken in 4 KB pages, each of them costs a page fault, and faults
// are the larger part of such an open. Blocks of 4 MB or more are mapped on their own and
// the whole 2 MB pages inside them are asked for as huge pages, so that one fault fills 512
// pages' worth. The tail past the last whole 2 MB stays in small pages: the resident memory
// is what the array uses, as before.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

namespace ce::objstore {

namespace largearrays {
constexpr std::size_t c_threshold = std::size_t{4} << 20;
// Null when the memory cannot be had.
void* map(std::size_t bytes);
void unmap(void* block, std::size_t bytes);
}  // namespace largearrays

// An allocator that also leaves the elements it makes unzeroed: a load writes every one.
template <class T>
struct LargeArray {
    using value_type = T;
    template <class U>
    struct rebind {
        using other = LargeArray<U>;
    };
    LargeArray() = default;
    template <class U>
    LargeArray(const LargeArray<U>&) {}

    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        std::size_t bytes = count * sizeof(T);
        if (bytes < largearrays::c_threshold) return std::allocator<T>().allocate(count);
        void* block = largearrays::map(bytes);
        if (!block) throw std::bad_alloc();
        return static_cast<T*>(block);
    }
    void deallocate(T* block, std::size_t count) {
        std::size_t bytes = count * sizeof(T);
        if (bytes < largearrays::c_threshold) return std::allocator<T>().deallocate(block, count);
        largearrays::unmap(block, bytes);
    }
    template <class U, class... Args>
    void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
    template <class U>
    void construct(U* at) {
        ::new (static_cast<void*>(at)) U;
    }
    template <class U>
    bool operator==(const LargeArray<U>&) const {
        return true;
    }
};

}  // namespace ce::objstore
