#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
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

std::string TemporaryPathFor(const char* path)
{
    // The process id keeps two hosts that share a folder from writing the same temporary.
    return std::string(path) + "." + std::to_string(::getpid()) + ".tmp";
}

namespace {

bool writeAll(FileSystem& fileSystem, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = fileSystem.Write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(size_t(written));
    }
    return true;
}

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

bool ReplaceFileContents(const char* path, std::string_view bytes, FileSystem& fileSystem)
{
    const std::string temporary = TemporaryPathFor(path);
    const int fd = fileSystem.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;

    struct stat old {};
    if (::stat(path, &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    bool written = writeAll(fileSystem, fd, bytes) && fileSystem.Sync(fd) == 0;
    // A close can report a write that the system had deferred.
    written = fileSystem.Close(fd) == 0 && written;
    if (!written || fileSystem.Rename(temporary.c_str(), path) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(fileSystem, path);
    return true;
}

} // namespace allyledger::pacts
