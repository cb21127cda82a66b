// Every window that exists, by handle, with the tree of parents and children and the z-order
// of each set of siblings.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "WindowRecord.h"

namespace platform {

class WindowTable {
public:
    static WindowTable& Instance();

    // Null for a handle that names no living window (never assigned, or destroyed).
    WindowRecord* Find(HWND handle) const;
    WindowRecord& Add(std::unique_ptr<WindowRecord> record);
    void Remove(HWND handle);

    // Siblings of a window in z-order, topmost first: the parent's children, or the top-level
    // windows.
    std::vector<HWND>& Siblings(const WindowRecord& record);
    const std::vector<HWND>& TopLevel() const { return m_topLevel; }
    // Places a window among its siblings: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or
    // below a given sibling. Topmost top-level windows always stay above the others.
    void PlaceInZOrder(WindowRecord& record, HWND insertAfter);
    void Unlink(WindowRecord& record);

    HWND Root(HWND handle) const;
    BOOL IsAncestor(HWND ancestor, HWND handle) const;
    // The window and its ancestors all visible.
    BOOL IsShown(HWND handle) const;
    // Every window, parents before their children, bottom of the z-order first.
    std::vector<HWND> AllWindows() const;
    void CollectSubtree(HWND handle, std::vector<HWND>& out) const;
    // "0x10004 MFCGridCtrl 'title'", for logs.
    static std::string Describe(HWND handle);

private:
    std::vector<HWND>::iterator BandStart(std::vector<HWND>& list, BOOL topmost);

    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> m_windows;
    std::vector<HWND> m_topLevel;
    uintptr_t m_nextHandle = 0x10000;
};

// Shortcut for the common lookup.
inline WindowRecord* FindWindowRecord(HWND handle) { return WindowTable::Instance().Find(handle); }

} // namespace platform
