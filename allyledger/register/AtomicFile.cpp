#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace allyledger::pacts {

int FileSystem::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t FileSystem::Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int FileSystem::Sync(int fd) { return ::fsync(fd); }
int FileSystem::Close(int fd) { return ::close(fd); }
int FileSystem::Rename(const char* from, const char* to) { return ::rename(from, to); }

FileSystem& SystemFileSystem()
{
    static FileSystem system;
    return system;
}

namespace {

// Makes the rename itself durable. The new file is in place already, so a failure here
// changes nothing that the caller could act on.
void syncFolderOf(FileSystem& fileSystem, const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fileSystem.Sync(fd);
    ::close(fd);
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const char* path, FileSystem& fileSystem)
    : m_fileSystem(fileSystem),
      m_path(path),
      // The process id keeps two hosts that share a folder from writing the same temporary.
      m_temporary(m_path + "." + std::to_string(::getpid()) + ".tmp")
{
    m_fd = m_fileSystem.Open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_temporary.clear();
        return;
    }
    struct stat old {};
    if (::stat(m_path.c_str(), &old) == 0)
        ::fchmod(m_fd, old.st_mode & 07777);
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Write(std::string_view bytes)
{
    while (IsGood() && !bytes.empty()) {
        const ssize_t written = m_fileSystem.Write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            m_failed = true;
        else
            bytes.remove_prefix(size_t(written));
    }
}

bool AtomicFileWriter::Commit()
{
    if (!IsGood() || m_fileSystem.Sync(m_fd) != 0) {
        Discard();
        return false;
    }
    // A close can report a write that the system had deferred.
    const int closed = m_fileSystem.Close(m_fd);
    m_fd = -1;
    if (closed != 0 || m_fileSystem.Rename(m_temporary.c_str(), m_path.c_str()) != 0) {
        ::unlink(m_temporary.c_str());
        return false;
    }
    m_temporary.clear();
    syncFolderOf(m_fileSystem, m_path);
    return true;
}

void AtomicFileWriter::Discard()
{
    if (m_fd >= 0) {
        m_fileSystem.Close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

namespace {
constexpr size_t kFileBufferSize = 64 * 1024;
}

FileBuffer::FileBuffer(AtomicFileWriter& file)
    : m_file(file),
      m_capacity(kFileBufferSize),
      m_buffer(std::make_unique_for_overwrite<char[]>(m_capacity)),
      m_at(m_buffer.get()),
      m_end(m_at + m_capacity)
{
}

void FileBuffer::Flush()
{
    m_file.Write(std::string_view(m_buffer.get(), size_t(m_at - m_buffer.get())));
    m_at = m_buffer.get();
}

void FileBuffer::MakeRoom(size_t size)
{
    Flush();
    if (size <= m_capacity)
        return;
    // Room for one very long line.
    m_capacity = size;
    m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
    m_at = m_buffer.get();
    m_end = m_at + m_capacity;
}

} // namespace allyledger::pacts
