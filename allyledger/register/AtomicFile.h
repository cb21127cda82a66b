// Replacing a file so that it is never lost: the new contents go to a temporary file beside
// it, which is synced and then renamed over the old one.
#pragma once

#include <cstring>
#include <memory>
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

// Writes the new contents of the file at path into a temporary file beside it; Commit puts
// them in place. Until Commit succeeds the old file (or its absence) stays as it was, and a
// writer that is not committed removes its temporary file. The new file keeps the old one's
// permission bits.
class AtomicFileWriter {
public:
    AtomicFileWriter(const char* path, FileSystem& fileSystem = SystemFileSystem());
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    // False when the temporary file could not be created or a write has failed.
    bool IsGood() const { return m_fd >= 0 && !m_failed; }
    void Write(std::string_view bytes);
    bool Commit();

private:
    void Discard();

    FileSystem& m_fileSystem;
    std::string m_path;
    std::string m_temporary;
    int m_fd = -1;
    bool m_failed = false;
};

// The bytes of a file on their way out: gathered in a buffer small enough for the processor's
// caches and written out whenever it fills. Room(size) gives a place for up to size bytes and
// Put(end) takes those written there up to end.
class FileBuffer {
public:
    explicit FileBuffer(AtomicFileWriter& file);

    char* Room(size_t size)
    {
        if (size_t(m_end - m_at) < size)
            MakeRoom(size);
        return m_at;
    }
    void Put(char* end) { m_at = end; }
    void Append(std::string_view bytes)
    {
        char* to = Room(bytes.size());
        std::memcpy(to, bytes.data(), bytes.size());
        Put(to + bytes.size());
    }
    // Writes out what the buffer holds.
    void Flush();

private:
    void MakeRoom(size_t size);

    AtomicFileWriter& m_file;
    size_t m_capacity;
    std::unique_ptr<char[]> m_buffer;
    char* m_at;
    char* m_end;
};

} // namespace allyledger::pacts
