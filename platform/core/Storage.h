// Storage under the framework's collections: a vector that keeps its first few elements inside
// itself, and a pool that hands out room for nodes in blocks.
//
// The records of a register are many and small (a race's history holds a few periods), so what
// each costs in allocations and room is most of what building them costs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace platform::detail {

// A vector that keeps up to N elements inside itself and goes to the heap only beyond them.
// While they fit, the room of the heap pointer is part of the inline room.
template <class T, std::size_t N>
class SmallVector {
    // Growing moves the elements; a move that could throw would leave them half moved.
    static_assert(std::is_nothrow_move_constructible_v<T>);

public:
    SmallVector() noexcept {}
    SmallVector(const SmallVector& other) { append(other.begin(), other.end()); }
    SmallVector& operator=(const SmallVector& other)
    {
        if (this != &other) {
            clear();
            append(other.begin(), other.end());
        }
        return *this;
    }
    ~SmallVector()
    {
        clear();
        freeHeap();
    }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T* begin() { return data(); }
    T* end() { return data() + m_size; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + m_size; }
    T& operator[](std::size_t index) { return data()[index]; }
    const T& operator[](std::size_t index) const { return data()[index]; }
    bool operator==(const SmallVector& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

    void reserve(std::size_t capacity)
    {
        if (capacity <= m_capacity)
            return;
        T* fresh = static_cast<T*>(::operator new(capacity * sizeof(T)));
        std::uninitialized_move(begin(), end(), fresh);
        std::destroy(begin(), end());
        freeHeap();
        m_heap = fresh;
        m_capacity = std::uint32_t(capacity);
    }
    void resize(std::size_t size)
    {
        if (size < m_size) {
            std::destroy(begin() + size, end());
        } else {
            makeRoom(size);
            std::uninitialized_value_construct(end(), begin() + size);
        }
        m_size = std::uint32_t(size);
    }
    void push_back(const T& value)
    {
        if (m_size == m_capacity) {
            // The value may be one of the elements, which growing moves.
            T copy(value);
            makeRoom(m_size + 1);
            new (end()) T(std::move(copy));
        } else {
            new (end()) T(value);
        }
        ++m_size;
    }
    T* insert(T* at, std::size_t count, const T& value)
    {
        const std::size_t index = std::size_t(at - begin());
        const T copy(value);
        makeRoom(m_size + count);
        std::uninitialized_fill_n(end(), count, copy);
        m_size += std::uint32_t(count);
        return rotateIn(index, count);
    }
    T* insert(T* at, const T* first, const T* last)
    {
        const std::size_t index = std::size_t(at - begin());
        if (first < end() && begin() < last) {
            // Elements of this vector itself: copied out first, as growing would move them.
            const SmallVector copy(first, last);
            return insert(begin() + index, copy.begin(), copy.end());
        }
        append(first, last);
        return rotateIn(index, std::size_t(last - first));
    }
    T* erase(T* first, T* last)
    {
        if (first == last)
            return first;
        T* kept = std::move(last, end(), first);
        std::destroy(kept, end());
        m_size = std::uint32_t(kept - begin());
        return first;
    }
    void clear()
    {
        std::destroy(begin(), end());
        m_size = 0;
    }

private:
    SmallVector(const T* first, const T* last) { append(first, last); }

    bool isInline() const { return m_capacity <= N; }
    T* data() { return isInline() ? reinterpret_cast<T*>(m_inline) : m_heap; }
    const T* data() const { return isInline() ? reinterpret_cast<const T*>(m_inline) : m_heap; }
    void makeRoom(std::size_t size)
    {
        if (size > m_capacity)
            reserve(std::max(size, 2 * std::size_t(m_capacity)));
    }
    void freeHeap()
    {
        if (!isInline())
            ::operator delete(m_heap);
        m_capacity = N;
    }
    void append(const T* first, const T* last)
    {
        makeRoom(m_size + std::size_t(last - first));
        std::uninitialized_copy(first, last, end());
        m_size += std::uint32_t(last - first);
    }
    // Moves the last count elements to index.
    T* rotateIn(std::size_t index, std::size_t count)
    {
        std::rotate(begin() + index, end() - count, end());
        return begin() + index;
    }

    union {
        T* m_heap;
        alignas(T) unsigned char m_inline[N * sizeof(T)];
    };
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = N;
};

// Room for nodes, taken from the system in blocks that grow as the nodes do, so that many small
// nodes cost a few allocations rather than one each. The room of a destroyed node is used
// again; the blocks go back when the pool is released or destroyed.
template <class Node>
class NodePool {
public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    ~NodePool() { release(); }

    template <class... A>
    Node* make(A&&... args)
    {
        return new (take()) Node(std::forward<A>(args)...);
    }
    void destroy(Node* node)
    {
        node->~Node();
        m_free = new (static_cast<void*>(node)) Free{m_free};
    }
    // Gives every block back; the nodes in them must have been destroyed.
    void release()
    {
        while (m_blocks) {
            Block* block = m_blocks;
            m_blocks = block->next;
            ::operator delete(block);
        }
        m_free = nullptr;
        m_used = m_room = 0;
    }

private:
    struct Free {
        Free* next;
    };
    union Slot {
        Free free;
        alignas(Node) unsigned char node[sizeof(Node)];
    };
    struct Block {
        Block* next;
        Slot* slots() { return reinterpret_cast<Slot*>(reinterpret_cast<unsigned char*>(this) + kSlotsOffset); }
    };
    static constexpr std::size_t kSlotsOffset = (sizeof(Block) + alignof(Slot) - 1) / alignof(Slot) * alignof(Slot);
    static constexpr int kFirstBlock = 4;
    static constexpr int kLargestBlock = 256;

    void* take()
    {
        if (m_free) {
            Free* slot = m_free;
            m_free = slot->next;
            return slot;
        }
        if (m_used == m_room) {
            m_room = m_blocks ? std::min(2 * m_room, kLargestBlock) : kFirstBlock;
            m_blocks = new (::operator new(kSlotsOffset + std::size_t(m_room) * sizeof(Slot))) Block{m_blocks};
            m_used = 0;
        }
        return &m_blocks->slots()[m_used++];
    }

    Block* m_blocks = nullptr;
    Free* m_free = nullptr;
    int m_used = 0;
    int m_room = 0;
};

} // namespace platform::detail
