#include "GlobalMemory.h"

#include "WinApi.h"

namespace platform {

GlobalMemory& GlobalMemory::Instance()
{
    static GlobalMemory& memory = *new GlobalMemory;
    return memory;
}

HGLOBAL GlobalMemory::Allocate(UINT flags, std::size_t bytes)
{
    auto block = std::make_unique<Block>();
    // Fresh blocks are zeroed whatever the flags say, so no stale bytes can leak through them.
    block->bytes.assign(bytes, 0);
    block->flags = flags;
    // A fixed block's handle is its address, as callers of fixed blocks expect; a movable one
    // gets a handle of its own that must be locked to reach the bytes.
    HGLOBAL handle = (flags & GMEM_MOVEABLE) ? reinterpret_cast<HGLOBAL>(m_nextHandle += 8)
                                             : static_cast<HGLOBAL>(block->bytes.data());
    if (!(flags & GMEM_MOVEABLE) && bytes == 0)
        handle = reinterpret_cast<HGLOBAL>(m_nextHandle += 8);
    m_blocks.emplace(handle, std::move(block));
    return handle;
}

HGLOBAL GlobalMemory::Reallocate(HGLOBAL handle, std::size_t bytes, UINT flags)
{
    auto it = m_blocks.find(handle);
    if (it == m_blocks.end())
        return nullptr;
    Block& block = *it->second;
    if (flags & GMEM_MODIFY) {
        block.flags = (block.flags & ~UINT(GMEM_DISCARDABLE)) | (flags & GMEM_DISCARDABLE);
        return handle;
    }
    // A locked block's bytes are in use at their address; growing them would move them away.
    if (block.locks > 0 && bytes > block.bytes.size())
        return nullptr;
    block.bytes.resize(bytes, 0);
    if (block.flags & GMEM_MOVEABLE)
        return handle;
    // A fixed block's handle is its address, which may have moved.
    auto moved = std::move(it->second);
    m_blocks.erase(it);
    HGLOBAL newHandle = moved->bytes.empty() ? reinterpret_cast<HGLOBAL>(m_nextHandle += 8)
                                             : static_cast<HGLOBAL>(moved->bytes.data());
    m_blocks.emplace(newHandle, std::move(moved));
    return newHandle;
}

HGLOBAL GlobalMemory::Free(HGLOBAL handle)
{
    auto it = m_blocks.find(handle);
    if (it == m_blocks.end() || it->second->clipboard)
        return handle;
    m_blocks.erase(it);
    return nullptr;
}

LPVOID GlobalMemory::Lock(HGLOBAL handle)
{
    auto it = m_blocks.find(handle);
    if (it == m_blocks.end())
        return nullptr;
    ++it->second->locks;
    return it->second->bytes.data();
}

BOOL GlobalMemory::Unlock(HGLOBAL handle)
{
    auto it = m_blocks.find(handle);
    if (it == m_blocks.end() || it->second->locks == 0)
        return FALSE;
    return --it->second->locks > 0;
}

std::size_t GlobalMemory::Size(HGLOBAL handle) const
{
    auto it = m_blocks.find(handle);
    return it == m_blocks.end() ? 0 : it->second->bytes.size();
}

void GlobalMemory::SetOwnedByClipboard(HGLOBAL handle, BOOL owned)
{
    if (auto it = m_blocks.find(handle); it != m_blocks.end())
        it->second->clipboard = owned;
}

} // namespace platform

using platform::GlobalMemory;

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) { return GlobalMemory::Instance().Allocate(flags, bytes); }
HGLOBAL GlobalReAlloc(HGLOBAL memory, std::size_t bytes, UINT flags) { return GlobalMemory::Instance().Reallocate(memory, bytes, flags); }
HGLOBAL GlobalFree(HGLOBAL memory) { return GlobalMemory::Instance().Free(memory); }
LPVOID GlobalLock(HGLOBAL memory) { return GlobalMemory::Instance().Lock(memory); }
BOOL GlobalUnlock(HGLOBAL memory) { return GlobalMemory::Instance().Unlock(memory); }
std::size_t GlobalSize(HGLOBAL memory) { return GlobalMemory::Instance().Size(memory); }
