// Global memory blocks, the currency of the clipboard and of data transfer. A handle names a
// block until it is freed; a handle that names no block is refused, never followed.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "WinTypes.h"

namespace platform {

class GlobalMemory {
public:
    static GlobalMemory& Instance();

    HGLOBAL Allocate(UINT flags, std::size_t bytes);
    HGLOBAL Reallocate(HGLOBAL handle, std::size_t bytes, UINT flags);
    // NULL when freed; the handle back when it cannot be freed (unknown, or held by the clipboard).
    HGLOBAL Free(HGLOBAL handle);
    LPVOID Lock(HGLOBAL handle);
    BOOL Unlock(HGLOBAL handle);
    std::size_t Size(HGLOBAL handle) const;
    BOOL IsBlock(HGLOBAL handle) const { return m_blocks.count(handle) != 0; }
    // A block given to the clipboard belongs to it and may not be freed by anyone else.
    void SetOwnedByClipboard(HGLOBAL handle, BOOL owned);
    std::size_t BlockCount() const { return m_blocks.size(); }

private:
    struct Block {
        std::vector<char> bytes;
        UINT flags = 0;
        int locks = 0;
        BOOL clipboard = FALSE;
    };

    std::unordered_map<HGLOBAL, std::unique_ptr<Block>> m_blocks;
    uintptr_t m_nextHandle = 0x4000;
};

} // namespace platform
