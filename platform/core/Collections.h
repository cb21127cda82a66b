// The framework's collections: arrays, the string list and the string-keyed maps.
//
// Maps keep their entries in insertion order: GetStartPosition/GetNextAssoc walk them in the
// order the keys were first set, so everything built from a map comes out the same on every run.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Object.h"
#include "Storage.h"
#include "String.h"

namespace platform::detail {

// An array with the framework's interface over a vector.
template <class T, class Arg, class Storage = std::vector<T>>
class ArrayOf {
public:
    int GetSize() const { return int(m_items.size()); }
    int GetCount() const { return int(m_items.size()); }
    int GetUpperBound() const { return int(m_items.size()) - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }
    void SetSize(int size) { m_items.resize(size > 0 ? std::size_t(size) : 0); }
    const T& GetAt(int index) const { return m_items[std::size_t(index)]; }
    T& ElementAt(int index) { return m_items[std::size_t(index)]; }
    void SetAt(int index, Arg value) { m_items[std::size_t(index)] = value; }
    const T& operator[](int index) const { return m_items[std::size_t(index)]; }
    T& operator[](int index) { return m_items[std::size_t(index)]; }
    const T* GetData() const { return m_items.empty() ? nullptr : &m_items[0]; }
    T* GetData() { return m_items.empty() ? nullptr : &m_items[0]; }
    int Add(Arg value)
    {
        m_items.push_back(value);
        return GetUpperBound();
    }
    // A value beyond the end may be one of the elements, which growing moves: it is copied first.
    void SetAtGrow(int index, Arg value)
    {
        if (index >= GetSize()) {
            const T copy(value);
            SetSize(index + 1);
            m_items[std::size_t(index)] = copy;
            return;
        }
        m_items[std::size_t(index)] = value;
    }
    void InsertAt(int index, Arg value, int count = 1)
    {
        if (index > GetSize()) {
            const T copy(value);
            SetSize(index);
            m_items.insert(m_items.begin() + index, std::size_t(count), copy);
            return;
        }
        m_items.insert(m_items.begin() + index, std::size_t(count), value);
    }
    void RemoveAt(int index, int count = 1) { m_items.erase(m_items.begin() + index, m_items.begin() + index + count); }
    void RemoveAll() { m_items.clear(); }
    int Append(const ArrayOf& other)
    {
        const int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const ArrayOf& other) { m_items = other.m_items; }
    void Reserve(int size) { m_items.reserve(std::size_t(size)); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    bool operator==(const ArrayOf& other) const = default;

protected:
    Storage m_items;
};

// A doubly linked list whose nodes are the POSITIONs handed out by the collections.
template <class T>
class LinkedList {
public:
    struct Node : __POSITION {
        T value;
        Node* prev = nullptr;
        Node* next = nullptr;
        template <class... A>
        explicit Node(A&&... args) : value(std::forward<A>(args)...) {}
    };

    LinkedList() = default;
    LinkedList(const LinkedList&) = delete;
    LinkedList& operator=(const LinkedList&) = delete;
    ~LinkedList() { clear(); }

    static Node* node(POSITION pos) { return static_cast<Node*>(pos); }
    Node* head() const { return m_head; }
    Node* tail() const { return m_tail; }
    int size() const { return m_count; }

    template <class... A>
    Node* insertBefore(Node* before, A&&... args)
    {
        Node* n = m_pool.make(std::forward<A>(args)...);
        n->next = before;
        n->prev = before ? before->prev : m_tail;
        (n->prev ? n->prev->next : m_head) = n;
        (before ? before->prev : m_tail) = n;
        ++m_count;
        return n;
    }
    void erase(Node* n)
    {
        (n->prev ? n->prev->next : m_head) = n->next;
        (n->next ? n->next->prev : m_tail) = n->prev;
        m_pool.destroy(n);
        --m_count;
    }
    void clear()
    {
        for (Node* n = m_head; n;) {
            Node* next = n->next;
            n->~Node();
            n = next;
        }
        m_pool.release();
        m_head = m_tail = nullptr;
        m_count = 0;
    }

private:
    NodePool<Node> m_pool;
    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};

// A string-keyed hash map that iterates in insertion order. Each entry is one node of the list
// of all entries in order, and on the chain of its hash bucket; the buckets are a power of two in
// number and at least as many as the entries.
template <class V>
class OrderedStringMap {
    struct Slot;
    using List = LinkedList<Slot>;
    using Node = typename List::Node;
    struct Slot {
        CString key;
        V value;
        std::size_t hash;
        Node* chain;
    };

public:
    OrderedStringMap() = default;
    OrderedStringMap(const OrderedStringMap&) = delete;
    OrderedStringMap& operator=(const OrderedStringMap&) = delete;

    int GetCount() const { return m_list.size(); }
    int GetSize() const { return m_list.size(); }
    BOOL IsEmpty() const { return m_list.size() == 0; }

    BOOL Lookup(const char* key, V& value) const
    {
        Node* n = find(key);
        if (!n)
            return FALSE;
        value = n->value.value;
        return TRUE;
    }
    // A pointer to the stored value, or null: lets a caller read without copying.
    const V* PLookup(const char* key) const
    {
        Node* n = find(key);
        return n ? &n->value.value : nullptr;
    }
    void SetAt(const char* key, const V& value) { (*this)[key] = value; }
    void SetAt(const CString& key, const V& value) { (*this)[key] = value; }
    V& operator[](const char* key)
    {
        key = key ? key : "";
        return findOrAdd(key, CStringHash{}(key), [key] { return CString(key); });
    }
    // The same for a key that is a CString already: a new entry shares its characters. A key
    // is a C text, as everywhere in the map: it ends at a zero byte.
    V& operator[](const CString& key)
    {
        const std::string_view text(key.GetString());
        return findOrAdd(text, CStringHash{}(text),
                         [&key, text] { return text.size() == key.view().size() ? key : CString(text); });
    }
    BOOL RemoveKey(const char* key)
    {
        key = key ? key : "";
        if (IsEmpty())
            return FALSE;
        const std::size_t hash = CStringHash{}(key);
        for (Node** link = &bucketOf(hash); *link; link = &(*link)->value.chain) {
            Node* n = *link;
            if (n->value.hash != hash || n->value.key.view() != key)
                continue;
            *link = n->value.chain;
            m_list.erase(n);
            return TRUE;
        }
        return FALSE;
    }
    void RemoveAll()
    {
        m_list.clear();
        m_buckets.reset();
        m_bucketCount = 0;
    }
    POSITION GetStartPosition() const { return m_list.head(); }
    void GetNextAssoc(POSITION& pos, CString& key, V& value) const
    {
        Node* n = List::node(pos);
        key = n->value.key;
        value = n->value.value;
        pos = n->next;
    }

    template <class F>
    void ForEach(F&& f) const
    {
        for (Node* n = m_list.head(); n; n = n->next)
            f(n->value.key, n->value.value);
    }

protected:
    Node* find(const char* key) const
    {
        key = key ? key : "";
        return find(key, CStringHash{}(key));
    }
    Node* find(std::string_view key, std::size_t hash) const
    {
        if (IsEmpty())
            return nullptr;
        for (Node* n = bucketOf(hash); n; n = n->value.chain)
            if (n->value.hash == hash && n->value.key.view() == key)
                return n;
        return nullptr;
    }

private:
    static constexpr std::size_t kFirstBuckets = 8;

    Node*& bucketOf(std::size_t hash) const { return m_buckets[hash & (m_bucketCount - 1)]; }

    template <class MakeKey>
    V& findOrAdd(std::string_view key, std::size_t hash, MakeKey makeKey)
    {
        if (Node* n = find(key, hash))
            return n->value.value;
        if (std::size_t(m_list.size()) >= m_bucketCount)
            rehash(m_bucketCount ? 2 * m_bucketCount : kFirstBuckets);
        Node*& bucket = bucketOf(hash);
        bucket = m_list.insertBefore(nullptr, Slot{makeKey(), V(), hash, bucket});
        return bucket->value.value;
    }

    void rehash(std::size_t bucketCount)
    {
        m_buckets = std::make_unique<Node*[]>(bucketCount);
        m_bucketCount = bucketCount;
        for (Node* n = m_list.head(); n; n = n->next) {
            Node*& bucket = bucketOf(n->value.hash);
            n->value.chain = bucket;
            bucket = n;
        }
    }

    List m_list;
    std::unique_ptr<Node*[]> m_buckets;
    std::size_t m_bucketCount = 0;
};

} // namespace platform::detail

// Keeps up to four texts without an allocation.
class PLATFORM_API CStringArray : public CObject,
                                  public platform::detail::ArrayOf<CString, const CString&, platform::detail::SmallVector<CString, 4>> {
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray() = default;
    CStringArray(const CStringArray& other) : CObject(), ArrayOf(other) {}
    CStringArray& operator=(const CStringArray& other)
    {
        Copy(other);
        return *this;
    }
    int Add(const char* value) { return ArrayOf::Add(CString(value)); }
    using ArrayOf::Add;
};

// Keeps up to four numbers without an allocation.
class PLATFORM_API CDWordArray : public CObject,
                                 public platform::detail::ArrayOf<DWORD, DWORD, platform::detail::SmallVector<DWORD, 4>> {
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray() = default;
    CDWordArray(const CDWordArray& other) : CObject(), ArrayOf(other) {}
    CDWordArray& operator=(const CDWordArray& other)
    {
        Copy(other);
        return *this;
    }
};

class PLATFORM_API CStringList : public CObject {
    DECLARE_DYNAMIC(CStringList)
public:
    CStringList() = default;
    CStringList(const CStringList& other);
    CStringList& operator=(const CStringList& other);

    int GetCount() const { return m_list.size(); }
    int GetSize() const { return m_list.size(); }
    BOOL IsEmpty() const { return m_list.size() == 0; }

    POSITION AddHead(const char* value) { return m_list.insertBefore(m_list.head(), CString(value)); }
    POSITION AddTail(const char* value) { return m_list.insertBefore(nullptr, CString(value)); }
    POSITION InsertBefore(POSITION pos, const char* value);
    POSITION InsertAfter(POSITION pos, const char* value);
    CString RemoveHead();
    CString RemoveTail();
    void RemoveAt(POSITION pos) { m_list.erase(List::node(pos)); }
    void RemoveAll() { m_list.clear(); }

    const CString& GetHead() const { return m_list.head()->value; }
    const CString& GetTail() const { return m_list.tail()->value; }
    POSITION GetHeadPosition() const { return m_list.head(); }
    POSITION GetTailPosition() const { return m_list.tail(); }
    const CString& GetNext(POSITION& pos) const;
    const CString& GetPrev(POSITION& pos) const;
    const CString& GetAt(POSITION pos) const { return List::node(pos)->value; }
    void SetAt(POSITION pos, const char* value) { List::node(pos)->value = value; }
    POSITION Find(const char* value, POSITION startAfter = nullptr) const;
    POSITION FindIndex(int index) const;

private:
    using List = platform::detail::LinkedList<CString>;
    List m_list;
};

class PLATFORM_API CMapStringToString : public CObject, public platform::detail::OrderedStringMap<CString> {
    DECLARE_DYNAMIC(CMapStringToString)
public:
    CMapStringToString() = default;
    CMapStringToString(const CMapStringToString& other);
    CMapStringToString& operator=(const CMapStringToString& other);
};

// Maps a text to an object pointer; the map does not own the objects.
class PLATFORM_API CMapStringToOb : public CObject, public platform::detail::OrderedStringMap<CObject*> {
    DECLARE_DYNAMIC(CMapStringToOb)
public:
    CMapStringToOb() = default;
    CMapStringToOb(const CMapStringToOb&) = delete;
    CMapStringToOb& operator=(const CMapStringToOb&) = delete;
    // Lookup for a derived pointer type, as callers keep their own classes in the map.
    template <class T>
    BOOL Lookup(const char* key, T*& value) const
    {
        const auto* stored = PLookup(key);
        if (!stored)
            return FALSE;
        value = static_cast<T*>(*stored);
        return TRUE;
    }
    template <class T>
    void GetNextAssoc(POSITION& pos, CString& key, T*& value) const
    {
        CObject* object = nullptr;
        OrderedStringMap::GetNextAssoc(pos, key, object);
        value = static_cast<T*>(object);
    }
};
