// The clipboard: data blocks by format, owned by the clipboard once set, and the open/close
// protocol around changing or reading them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "WinTypes.h"

namespace platform {

class PLATFORM_API Clipboard {
public:
    static Clipboard& Instance();
    void Reset();

    BOOL Open(HWND hwnd);
    BOOL Close();
    BOOL Empty();
    HANDLE Set(UINT format, HANDLE memory);
    HANDLE Get(UINT format) const;
    BOOL Has(UINT format) const;
    int Count() const { return int(m_data.size()); }
    HWND Owner() const { return m_owner; }
    UINT RegisterFormat(const char* name);
    void WindowDestroyed(HWND hwnd);

    // Whole operations for tests and the host: replace the contents with CF_TEXT, or read it.
    BOOL SetText(const std::string& text);
    std::optional<std::string> Text();

private:
    void FreeAll();

    BOOL m_open = FALSE;
    HWND m_openedBy = nullptr;
    HWND m_owner = nullptr;
    std::vector<std::pair<UINT, HGLOBAL>> m_data;
    std::map<std::string, UINT> m_formats;
};

} // namespace platform
