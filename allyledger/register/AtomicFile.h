// Replacing a file so that it is never lost: the new contents go to a temporary file beside
// it, which is synced and then renamed over the old one.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace allyledger::pacts {

// The system calls that replacing a file makes. A test derives from it to make one of them
// fail (a write that stops half way, a sync or rename that fails).
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
};

FileSystem& SystemFileSystem();

// Makes the file at path hold exactly bytes. Either it succeeds, or it returns false with the
// old file (or its absence) left as it was and the temporary file removed. The new file keeps
// the old one's permission bits.
bool ReplaceFileContents(const char* path, std::string_view bytes, FileSystem& fileSystem = SystemFileSystem());

// The temporary file that ReplaceFileContents writes beside path.
std::string TemporaryPathFor(const char* path);

} // namespace allyledger::pacts
