#include "WindowClass.h"

#include <cctype>

#include "WinApi.h"

namespace platform {

WindowClassRegistry& WindowClassRegistry::Instance()
{
    static WindowClassRegistry& registry = *new WindowClassRegistry;
    return registry;
}

std::string WindowClassRegistry::Key(const char* name)
{
    std::string key(name ? name : "");
    for (char& ch : key)
        ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return key;
}

std::shared_ptr<const WindowClass> WindowClassRegistry::Find(const char* name) const
{
    if (!name || IS_INTRESOURCE(name))
        return nullptr;
    auto it = m_classes.find(Key(name));
    return it == m_classes.end() ? nullptr : it->second;
}

ATOM WindowClassRegistry::Register(const WNDCLASS& info)
{
    if (!info.lpszClassName || IS_INTRESOURCE(info.lpszClassName) || !*info.lpszClassName)
        return 0;
    const std::string key = Key(info.lpszClassName);
    if (m_classes.count(key))
        return 0;
    auto entry = std::make_shared<WindowClass>();
    entry->name = info.lpszClassName;
    entry->menuName = info.lpszMenuName && !IS_INTRESOURCE(info.lpszMenuName) ? info.lpszMenuName : "";
    entry->info = info;
    entry->info.lpszClassName = entry->name.c_str();
    entry->info.lpszMenuName = entry->menuName.empty() ? info.lpszMenuName : entry->menuName.c_str();
    if (!entry->info.lpfnWndProc)
        entry->info.lpfnWndProc = ::DefWindowProc;
    entry->atom = m_nextAtom++;
    m_classes.emplace(key, entry);
    return entry->atom;
}

BOOL WindowClassRegistry::Unregister(const char* name)
{
    return m_classes.erase(Key(name)) ? TRUE : FALSE;
}

} // namespace platform

using platform::WindowClassRegistry;

ATOM RegisterClass(const WNDCLASS* info) { return info ? WindowClassRegistry::Instance().Register(*info) : 0; }

BOOL UnregisterClass(LPCTSTR className, HINSTANCE) { return WindowClassRegistry::Instance().Unregister(className); }

BOOL GetClassInfo(HINSTANCE, LPCTSTR className, WNDCLASS* info)
{
    auto entry = WindowClassRegistry::Instance().Find(className);
    if (!entry)
        return FALSE;
    if (info)
        *info = entry->info;
    return TRUE;
}

BOOL AfxRegisterClass(WNDCLASS* info)
{
    if (!info)
        return FALSE;
    if (GetClassInfo(info->hInstance, info->lpszClassName, nullptr))
        return TRUE;
    return RegisterClass(info) != 0;
}

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // One class per combination, named after it, so the same request gives the same name.
    static std::unordered_map<std::string, std::unique_ptr<std::string>> names;
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "Afx:%x:%lx:%lx:%lx", classStyle, (unsigned long)(uintptr_t)cursor,
                  (unsigned long)(uintptr_t)background, (unsigned long)(uintptr_t)icon);
    auto& name = names[buffer];
    if (!name)
        name = std::make_unique<std::string>(buffer);
    WNDCLASS info;
    info.style = classStyle;
    info.lpfnWndProc = ::DefWindowProc;
    info.hCursor = cursor;
    info.hbrBackground = background;
    info.hIcon = icon;
    info.lpszClassName = name->c_str();
    return AfxRegisterClass(&info) ? name->c_str() : nullptr;
}
