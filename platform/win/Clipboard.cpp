#include "Clipboard.h"

#include <algorithm>
#include <cstring>

#include "GlobalMemory.h"
#include "WinApi.h"

namespace platform {

Clipboard& Clipboard::Instance()
{
    static Clipboard& clipboard = *new Clipboard;
    return clipboard;
}

void Clipboard::Reset()
{
    FreeAll();
    m_open = FALSE;
    m_openedBy = m_owner = nullptr;
}

void Clipboard::FreeAll()
{
    for (auto& [format, memory] : m_data) {
        GlobalMemory::Instance().SetOwnedByClipboard(memory, FALSE);
        GlobalMemory::Instance().Free(memory);
    }
    m_data.clear();
}

BOOL Clipboard::Open(HWND hwnd)
{
    if (m_open && m_openedBy != hwnd)
        return FALSE;
    m_open = TRUE;
    m_openedBy = hwnd;
    return TRUE;
}

BOOL Clipboard::Close()
{
    if (!m_open)
        return FALSE;
    m_open = FALSE;
    m_openedBy = nullptr;
    return TRUE;
}

BOOL Clipboard::Empty()
{
    if (!m_open)
        return FALSE;
    FreeAll();
    m_owner = m_openedBy;
    return TRUE;
}

HANDLE Clipboard::Set(UINT format, HANDLE memory)
{
    if (!m_open || !format || !GlobalMemory::Instance().IsBlock(memory))
        return nullptr;
    auto it = std::find_if(m_data.begin(), m_data.end(), [&](const auto& entry) { return entry.first == format; });
    if (it != m_data.end()) {
        if (it->second != memory) {
            GlobalMemory::Instance().SetOwnedByClipboard(it->second, FALSE);
            GlobalMemory::Instance().Free(it->second);
        }
        it->second = memory;
    } else {
        m_data.emplace_back(format, memory);
    }
    GlobalMemory::Instance().SetOwnedByClipboard(memory, TRUE);
    return memory;
}

HANDLE Clipboard::Get(UINT format) const
{
    if (!m_open)
        return nullptr;
    auto it = std::find_if(m_data.begin(), m_data.end(), [&](const auto& entry) { return entry.first == format; });
    return it == m_data.end() ? nullptr : it->second;
}

BOOL Clipboard::Has(UINT format) const
{
    return std::any_of(m_data.begin(), m_data.end(), [&](const auto& entry) { return entry.first == format; });
}

UINT Clipboard::RegisterFormat(const char* name)
{
    if (!name || !*name)
        return 0;
    auto [it, added] = m_formats.emplace(name, UINT(0xC000 + m_formats.size()));
    return it->second;
}

void Clipboard::WindowDestroyed(HWND hwnd)
{
    if (m_open && m_openedBy == hwnd)
        Close();
    if (m_owner == hwnd)
        m_owner = nullptr;
}

BOOL Clipboard::SetText(const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!Open(nullptr)) {
        GlobalFree(memory);
        return FALSE;
    }
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    Empty();
    Set(CF_TEXT, memory);
    Close();
    return TRUE;
}

std::optional<std::string> Clipboard::Text()
{
    const BOOL wasOpen = m_open;
    m_open = TRUE;
    HGLOBAL memory = Get(CF_TEXT);
    m_open = wasOpen;
    if (!memory)
        return std::nullopt;
    const char* bytes = static_cast<const char*>(GlobalLock(memory));
    const std::size_t size = GlobalSize(memory);
    std::string text(bytes, std::find(bytes, bytes + size, '\0'));
    GlobalUnlock(memory);
    return text;
}

} // namespace platform

using platform::Clipboard;

BOOL OpenClipboard(HWND owner) { return Clipboard::Instance().Open(owner); }
BOOL CloseClipboard() { return Clipboard::Instance().Close(); }
BOOL EmptyClipboard() { return Clipboard::Instance().Empty(); }
HANDLE SetClipboardData(UINT format, HANDLE memory) { return Clipboard::Instance().Set(format, memory); }
HANDLE GetClipboardData(UINT format) { return Clipboard::Instance().Get(format); }
BOOL IsClipboardFormatAvailable(UINT format) { return Clipboard::Instance().Has(format); }
int CountClipboardFormats() { return Clipboard::Instance().Count(); }
HWND GetClipboardOwner() { return Clipboard::Instance().Owner(); }
UINT RegisterClipboardFormat(LPCTSTR name) { return Clipboard::Instance().RegisterFormat(name); }
