#include "ItemList.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

int Fold(char ch) { return std::tolower(static_cast<unsigned char>(ch)); }

BOOL StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (prefix.size() > text.size())
        return FALSE;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) { return Fold(a) == Fold(b); });
}

} // namespace

int CompareItemText(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if (Fold(a[i]) != Fold(b[i]))
            return Fold(a[i]) < Fold(b[i]) ? -1 : 1;
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int bytes = a.compare(b);
    return (bytes > 0) - (bytes < 0);
}

int ItemList::Add(std::string text, BOOL sorted)
{
    auto at = m_items.end();
    if (sorted)
        at = std::upper_bound(m_items.begin(), m_items.end(), text,
                              [](const std::string& t, const ListItem& item) { return CompareItemText(t, item.text) < 0; });
    at = m_items.insert(at, ListItem{std::move(text)});
    return int(at - m_items.begin());
}

int ItemList::Insert(int index, std::string text)
{
    if (index < -1 || index > Count())
        return -1;
    if (index == -1)
        index = Count();
    m_items.insert(m_items.begin() + index, ListItem{std::move(text)});
    return index;
}

BOOL ItemList::Remove(int index)
{
    if (!Valid(index))
        return FALSE;
    m_items.erase(m_items.begin() + index);
    return TRUE;
}

int ItemList::Find(int after, std::string_view text, BOOL exact) const
{
    const int count = Count();
    const int start = Valid(after) ? after + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        const std::string& item = At(i).text;
        if (exact ? (item.size() == text.size() && StartsWithNoCase(item, text)) : StartsWithNoCase(item, text))
            return i;
    }
    return -1;
}

} // namespace platform
