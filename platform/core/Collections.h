// The framework's collections: arrays, the string list and the string-keyed maps.
//
// Maps keep their entries in insertion order: GetStartPosition/GetNextAssoc walk them in the
// order the keys were first set, so everything built from a map comes out the same on every run.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Object.h"
#include "String.h"

namespace platform::detail {

// An array with the framework's interface over std::vector.
template <class T, class Arg>
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
    int Add(Arg value)
    {
        m_items.push_back(value);
        return GetUpperBound();
    }
    void SetAtGrow(int index, Arg value)
    {
        if (index >= GetSize())
            SetSize(index + 1);
        m_items[std::size_t(index)] = value;
    }
    void InsertAt(int index, Arg value, int count = 1)
    {
        if (index > GetSize())
            SetSize(index);
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
    std::vector<T> m_items;
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
        auto* n = new Node(std::forward<A>(args)...);
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
        delete n;
        --m_count;
    }
    void clear()
    {
        for (Node* n = m_head; n;) {
            Node* next = n->next;
            delete n;
            n = next;
        }
        m_head = m_tail = nullptr;
        m_count = 0;
    }

private:
    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};

// A string-keyed hash map that iterates in insertion order.
template <class V>
class OrderedStringMap {
public:
    struct Entry {
        CString key;
        V value;
    };
    using List = LinkedList<Entry>;
    using Node = typename List::Node;

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
    V& operator[](const char* key)
    {
        if (Node* n = find(key))
            return n->value.value;
        Node* n = m_list.insertBefore(nullptr, Entry{CString(key), V()});
        m_index.emplace(n->value.key.view(), n);
        return n->value.value;
    }
    BOOL RemoveKey(const char* key)
    {
        auto hit = m_index.find(std::string_view(key ? key : ""));
        if (hit == m_index.end())
            return FALSE;
        Node* n = hit->second;
        m_index.erase(hit);
        m_list.erase(n);
        return TRUE;
    }
    void RemoveAll()
    {
        m_index.clear();
        m_list.clear();
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
        auto hit = m_index.find(std::string_view(key ? key : ""));
        return hit == m_index.end() ? nullptr : hit->second;
    }

    List m_list;
    // Keys view the node's own key text, which never moves while the node lives.
    std::unordered_map<std::string_view, Node*, CStringHash> m_index;
};

} // namespace platform::detail

class PLATFORM_API CStringArray : public CObject, public platform::detail::ArrayOf<CString, const CString&> {
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

class PLATFORM_API CDWordArray : public CObject, public platform::detail::ArrayOf<DWORD, DWORD> {
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
