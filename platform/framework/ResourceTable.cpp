#include "ResourceTable.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ModuleState.h"

namespace platform {

namespace {

// Tables that exist now, in the order they were made.
std::vector<const ResourceTable*>& LiveTables()
{
    static std::vector<const ResourceTable*> tables;
    return tables;
}

template <class Find>
auto FindInCurrent(Find find) -> decltype(find(*LiveTables().front()))
{
    const HINSTANCE current = AfxGetResourceHandle();
    for (const ResourceTable* table : LiveTables())
        if (table->Handle() == current)
            if (auto found = find(*table))
                return found;
    return {};
}

// Bitmaps loaded by id (CBitmap::LoadBitmap, CImageList::Create) come from the current tables.
const bool finderInstalled = [] {
    SetBitmapResourceFinder([](UINT id) { return FindInCurrent([id](const ResourceTable& t) { return t.FindBitmap(id); }); });
    return true;
}();

} // namespace

ResourceTable::ResourceTable(std::string moduleName) : m_moduleName(std::move(moduleName))
{
    const AFX_MODULE_STATE* module = ModuleStateOf(this);
    m_handle = module ? module->m_hCurrentInstanceHandle : reinterpret_cast<HINSTANCE>(this);
    LiveTables().push_back(this);
}

ResourceTable::~ResourceTable() { std::erase(LiveTables(), this); }

ResourceTable* ResourceTable::FromHandle(HINSTANCE handle)
{
    for (const ResourceTable* table : LiveTables())
        if (table->Handle() == handle)
            return const_cast<ResourceTable*>(table);
    return nullptr;
}

void ResourceTable::AddDialog(UINT id, DialogTemplate dialog) { m_dialogs[id] = std::move(dialog); }
void ResourceTable::AddString(UINT id, std::string text) { m_strings[id] = std::move(text); }
void ResourceTable::AddBitmap(UINT id, const void* data, std::size_t size) { m_bitmaps[id] = BmpBytes{data, size}; }

const DialogTemplate* ResourceTable::FindDialog(UINT id) const
{
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const std::string* ResourceTable::FindString(UINT id) const
{
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

std::optional<BmpBytes> ResourceTable::FindBitmap(UINT id) const
{
    auto it = m_bitmaps.find(id);
    if (it == m_bitmaps.end())
        return std::nullopt;
    return it->second;
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    return FindInCurrent([id](const ResourceTable& table) { return table.FindDialog(id); });
}

std::optional<CString> LoadResourceString(UINT id)
{
    const std::string* text = FindInCurrent([id](const ResourceTable& table) { return table.FindString(id); });
    if (!text)
        return std::nullopt;
    return CString(*text);
}

ResourceScope::ResourceScope(HINSTANCE handle) : m_previous(AfxGetResourceHandle()) { AfxSetResourceHandle(handle); }

ResourceScope::~ResourceScope() { AfxSetResourceHandle(m_previous); }

} // namespace platform

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AfxSetResourceHandle(HINSTANCE handle)
{
    (void)platform::finderInstalled;
    AfxGetModuleState()->m_hCurrentResourceHandle = handle;
}

int LoadString(HINSTANCE instance, UINT id, LPTSTR buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return 0;
    buffer[0] = '\0';
    const std::string* text = nullptr;
    for (HINSTANCE handle = instance; const platform::ResourceTable* table : platform::LiveTables())
        if (table->Handle() == handle && (text = table->FindString(id)))
            break;
    if (!text)
        return 0;
    const std::size_t n = std::min<std::size_t>(text->size(), std::size_t(bufferSize) - 1);
    std::memcpy(buffer, text->data(), n);
    buffer[n] = '\0';
    return int(n);
}
