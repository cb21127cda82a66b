// The items of a list box or of a combo box's list: text, item data, and for check-list boxes
// a check state and whether the item can be changed. Sorting and searching compare texts
// without regard to case, as the window system's lists do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "../core/Types.h"

namespace platform {

struct ListItem {
    std::string text;
    LPARAM data = 0;
    int check = 0;
    BOOL enabled = TRUE;
};

class ItemList {
public:
    int Count() const { return int(m_items.size()); }
    BOOL Valid(int index) const { return index >= 0 && index < Count(); }
    const ListItem& At(int index) const { return m_items[std::size_t(index)]; }
    ListItem& At(int index) { return m_items[std::size_t(index)]; }

    // Adds at the end, or in sorted order (after items that compare equal); the new index.
    int Add(std::string text, BOOL sorted);
    // Inserts before index (-1: at the end); the new index, or -1 past the end.
    int Insert(int index, std::string text);
    BOOL Remove(int index);
    void Clear() { m_items.clear(); }

    // The first item after `after` (-1: from the start), going round, whose text begins with the
    // text (or equals it when exact); -1 when none does.
    int Find(int after, std::string_view text, BOOL exact) const;

private:
    std::vector<ListItem> m_items;
};

// Compares as the lists sort: without regard to case, then byte by byte.
int CompareItemText(std::string_view a, std::string_view b);

} // namespace platform
