#include "Collections.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CStringList, CObject)
IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
IMPLEMENT_DYNAMIC(CMapStringToOb, CObject)

CStringList::CStringList(const CStringList& other) : CObject() { *this = other; }

CStringList& CStringList::operator=(const CStringList& other)
{
    if (this != &other) {
        m_list.clear();
        for (auto* n = other.m_list.head(); n; n = n->next)
            m_list.insertBefore(nullptr, n->value);
    }
    return *this;
}

POSITION CStringList::InsertBefore(POSITION pos, const char* value)
{
    return pos ? m_list.insertBefore(List::node(pos), CString(value)) : AddHead(value);
}

POSITION CStringList::InsertAfter(POSITION pos, const char* value)
{
    return pos ? m_list.insertBefore(List::node(pos)->next, CString(value)) : AddTail(value);
}

CString CStringList::RemoveHead()
{
    CString value = m_list.head()->value;
    m_list.erase(m_list.head());
    return value;
}

CString CStringList::RemoveTail()
{
    CString value = m_list.tail()->value;
    m_list.erase(m_list.tail());
    return value;
}

const CString& CStringList::GetNext(POSITION& pos) const
{
    auto* n = List::node(pos);
    pos = n->next;
    return n->value;
}

const CString& CStringList::GetPrev(POSITION& pos) const
{
    auto* n = List::node(pos);
    pos = n->prev;
    return n->value;
}

POSITION CStringList::Find(const char* value, POSITION startAfter) const
{
    auto* n = startAfter ? List::node(startAfter)->next : m_list.head();
    for (; n; n = n->next)
        if (n->value == value)
            return n;
    return nullptr;
}

POSITION CStringList::FindIndex(int index) const
{
    if (index < 0)
        return nullptr;
    auto* n = m_list.head();
    while (n && index-- > 0)
        n = n->next;
    return n;
}

CMapStringToString::CMapStringToString(const CMapStringToString& other) : CObject(), OrderedStringMap() { *this = other; }

CMapStringToString& CMapStringToString::operator=(const CMapStringToString& other)
{
    if (this != &other) {
        RemoveAll();
        other.ForEach([this](const CString& key, const CString& value) { SetAt(key, value); });
    }
    return *this;
}
