// The resources of one module (the host or a plug-in library): dialog templates, strings and
// bitmaps, by id. The framework looks resources up in the tables of the current resource handle
// (AfxGetResourceHandle, kept in the current module state).
//
// A table that is a global of a module (a static object in the host or in a library) answers
// for that module's instance handle, so the module's own state finds it without further ado:
//
//     platform::ResourceTable& Resources() { static platform::ResourceTable table("Growthmark"); return table; }
//     ... Resources().AddDialog(134, settingsPage); Resources().AddBitmap(141, bytes, size);
//
// A table made at run time (a test's) has a handle of its own, which a caller makes current
// with AfxSetResourceHandle(table.Handle()) or a ResourceScope.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "../core/String.h"
#include "../gdi/Bitmap.h"
#include "../win/WinTypes.h"
#include "DialogTemplate.h"

namespace platform {

class PLATFORM_API ResourceTable {
public:
    explicit ResourceTable(std::string moduleName);
    ~ResourceTable();
    ResourceTable(const ResourceTable&) = delete;
    ResourceTable& operator=(const ResourceTable&) = delete;

    // The instance handle of the module that holds the table, or the table's own handle.
    HINSTANCE Handle() const { return m_handle; }
    // The first table made for a handle; null when no living table answers for it.
    static ResourceTable* FromHandle(HINSTANCE handle);
    const std::string& ModuleName() const { return m_moduleName; }

    // A later entry under the same id replaces the earlier one.
    void AddDialog(UINT id, DialogTemplate dialog);
    void AddString(UINT id, std::string text);
    // The bytes of a .bmp file; they are not copied and must outlive the table.
    void AddBitmap(UINT id, const void* data, std::size_t size);

    const DialogTemplate* FindDialog(UINT id) const;
    const std::string* FindString(UINT id) const;
    std::optional<BmpBytes> FindBitmap(UINT id) const;

private:
    std::string m_moduleName;
    HINSTANCE m_handle = nullptr;
    std::map<UINT, DialogTemplate> m_dialogs;
    std::map<UINT, std::string> m_strings;
    std::map<UINT, BmpBytes> m_bitmaps;
};

// Lookups in the tables of the current resource handle, in the order they were made.
PLATFORM_API const DialogTemplate* FindDialogTemplate(UINT id);
PLATFORM_API std::optional<CString> LoadResourceString(UINT id);

// Makes a module's resources current for as long as the scope lasts, then restores the
// previous handle.
class PLATFORM_API ResourceScope {
public:
    explicit ResourceScope(HINSTANCE handle);
    ~ResourceScope();
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    HINSTANCE m_previous;
};

} // namespace platform

PLATFORM_API HINSTANCE AfxGetResourceHandle();
PLATFORM_API void AfxSetResourceHandle(HINSTANCE handle);
// The string resource copied into the buffer (cut to fit, always terminated); its length, 0
// when the module has no such string.
PLATFORM_API int LoadString(HINSTANCE instance, UINT id, LPTSTR buffer, int bufferSize);
