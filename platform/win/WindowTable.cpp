#include "WindowTable.h"

#include <algorithm>
#include <cstdio>

#include "WinConstants.h"

namespace platform {

// The window system's tables live until the process ends and are never destroyed, so window
// objects that outlive main (globals of a plug-in, say) can still take their windows down.
WindowTable& WindowTable::Instance()
{
    static WindowTable& table = *new WindowTable;
    return table;
}

WindowRecord* WindowTable::Find(HWND handle) const
{
    if (!handle)
        return nullptr;
    auto it = m_windows.find(handle);
    return it == m_windows.end() ? nullptr : it->second.get();
}

WindowRecord& WindowTable::Add(std::unique_ptr<WindowRecord> record)
{
    // Handles step by 4, like real handle values, and stay far from the HWND_ sentinels.
    record->handle = reinterpret_cast<HWND>(m_nextHandle);
    m_nextHandle += 4;
    WindowRecord& added = *record;
    m_windows.emplace(added.handle, std::move(record));
    return added;
}

void WindowTable::Remove(HWND handle)
{
    auto it = m_windows.find(handle);
    if (it == m_windows.end())
        return;
    Unlink(*it->second);
    m_windows.erase(it);
}

std::vector<HWND>& WindowTable::Siblings(const WindowRecord& record)
{
    if (WindowRecord* parent = Find(record.parent))
        return parent->children;
    return m_topLevel;
}

std::vector<HWND>::iterator WindowTable::BandStart(std::vector<HWND>& list, BOOL topmost)
{
    if (topmost || &list != &m_topLevel)
        return list.begin();
    return std::find_if(list.begin(), list.end(), [this](HWND h) {
        const WindowRecord* r = Find(h);
        return !r || !(r->exStyle & WS_EX_TOPMOST);
    });
}

void WindowTable::PlaceInZOrder(WindowRecord& record, HWND insertAfter)
{
    auto& list = Siblings(record);
    list.erase(std::remove(list.begin(), list.end(), record.handle), list.end());
    const BOOL topLevel = &list == &m_topLevel;
    if (insertAfter == HWND_TOPMOST && topLevel)
        record.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST && topLevel)
        record.exStyle &= ~DWORD(WS_EX_TOPMOST);
    const BOOL topmost = topLevel && (record.exStyle & WS_EX_TOPMOST);
    auto bandBegin = BandStart(list, topmost);
    auto bandEnd = topmost ? BandStart(list, FALSE) : list.end();

    if (insertAfter == HWND_BOTTOM) {
        list.insert(bandEnd, record.handle);
        return;
    }
    auto after = std::find(list.begin(), list.end(), insertAfter);
    if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST && after != list.end()) {
        auto position = std::clamp(after + 1, bandBegin, bandEnd);
        list.insert(position, record.handle);
        return;
    }
    list.insert(bandBegin, record.handle);
}

void WindowTable::Unlink(WindowRecord& record)
{
    auto& list = Siblings(record);
    list.erase(std::remove(list.begin(), list.end(), record.handle), list.end());
}

HWND WindowTable::Root(HWND handle) const
{
    const WindowRecord* record = Find(handle);
    while (record && record->parent) {
        const WindowRecord* parent = Find(record->parent);
        if (!parent)
            break;
        record = parent;
    }
    return record ? record->handle : nullptr;
}

BOOL WindowTable::IsAncestor(HWND ancestor, HWND handle) const
{
    for (const WindowRecord* r = Find(handle); r; r = Find(r->parent))
        if (r->parent == ancestor)
            return TRUE;
    return FALSE;
}

BOOL WindowTable::IsShown(HWND handle) const
{
    const WindowRecord* r = Find(handle);
    if (!r)
        return FALSE;
    for (; r; r = Find(r->parent))
        if (!(r->style & WS_VISIBLE))
            return FALSE;
    return TRUE;
}

void WindowTable::CollectSubtree(HWND handle, std::vector<HWND>& out) const
{
    const WindowRecord* r = Find(handle);
    if (!r)
        return;
    out.push_back(handle);
    for (auto it = r->children.rbegin(); it != r->children.rend(); ++it)
        CollectSubtree(*it, out);
}

std::vector<HWND> WindowTable::AllWindows() const
{
    std::vector<HWND> out;
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend(); ++it)
        CollectSubtree(*it, out);
    return out;
}

std::string WindowTable::Describe(HWND handle)
{
    char number[32];
    std::snprintf(number, sizeof number, "0x%lx", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(handle)));
    const WindowRecord* r = Instance().Find(handle);
    if (!r)
        return std::string(number) + " (no window)";
    std::string text = std::string(number) + " " + (r->windowClass ? r->windowClass->name : "?");
    if (!r->text.empty())
        text += " '" + r->text + "'";
    return text;
}

} // namespace platform
