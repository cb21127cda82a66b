// The registered window classes, by name (compared without regard to case, as class names are).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "WinTypes.h"

typedef WORD ATOM;

namespace platform {

struct WindowClass {
    std::string name;
    std::string menuName;
    WNDCLASS info;
    ATOM atom = 0;
};

class WindowClassRegistry {
public:
    static WindowClassRegistry& Instance();

    // Windows keep the class they were made with alive, so unregistering never leaves a window
    // without its class.
    std::shared_ptr<const WindowClass> Find(const char* name) const;
    ATOM Register(const WNDCLASS& info);
    BOOL Unregister(const char* name);

private:
    static std::string Key(const char* name);

    std::unordered_map<std::string, std::shared_ptr<const WindowClass>> m_classes;
    ATOM m_nextAtom = 0xC000;
};

} // namespace platform
