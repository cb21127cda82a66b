// The pact file: reading it into the register (Load) and writing the register out (Save).
//
// A file is one owner line ("@" and the owner key) per owner, followed by that owner's pact
// lines (race,From,Till,conditions) and an empty line. Lines end in CR LF when written; LF alone
// is read as well, since white space at both ends of a line is trimmed anyway.
#include "PactRegister.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "AtomicFile.h"
#include "PactTexts.h"
#include "platform/core/Convert.h"

using namespace allyledger::pacts;

namespace {

// The whole file with a terminating zero byte after it, or nothing when it cannot be read.
class FileBytes {
public:
    bool Read(const char* path)
    {
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool read = readAll(fd);
        ::close(fd);
        return read;
    }
    char* begin() { return m_data.get(); }
    char* end() { return m_data.get() + m_size; }

private:
    bool readAll(int fd)
    {
        struct stat info {};
        if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))
            return false;
        // The size is a first guess; a file that grows meanwhile is read to its end all the same.
        size_t capacity = info.st_size > 0 ? size_t(info.st_size) + 1 : 4096;
        m_data = std::make_unique_for_overwrite<char[]>(capacity + 1);
        for (;;) {
            if (m_size == capacity) {
                auto bigger = std::make_unique_for_overwrite<char[]>(capacity * 2 + 1);
                std::memcpy(bigger.get(), m_data.get(), m_size);
                m_data = std::move(bigger);
                capacity *= 2;
            }
            const ssize_t got = ::read(fd, m_data.get() + m_size, capacity - m_size);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return false;
            if (got == 0)
                break;
            m_size += size_t(got);
        }
        m_data[m_size] = '\0';
        return true;
    }

    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
};

bool isWhiteSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f'; }

} // namespace

// Reads the lines of a file into a register. It keeps the owner's record and the last race's
// history at hand, since consecutive lines mostly belong to the same ones; what it adds is
// exactly what AddPact would.
class CPactRegister::FileReader {
public:
    explicit FileReader(CPactRegister& pactRegister) : m_register(pactRegister) {}

    // Takes the bytes of one file, which it changes in place, and ends with a zero byte at end.
    void ReadAll(char* text, char* end)
    {
        while (text < end) {
            char* lineEnd = static_cast<char*>(std::memchr(text, '\n', size_t(end - text)));
            char* next = lineEnd ? lineEnd + 1 : end;
            if (!lineEnd)
                lineEnd = end;
            // A zero byte ends the line's text, as it would end any C text that holds the line.
            if (char* zero = static_cast<char*>(std::memchr(text, '\0', size_t(lineEnd - text))))
                lineEnd = zero;
            while (text < lineEnd && isWhiteSpace(*text))
                ++text;
            while (lineEnd > text && isWhiteSpace(lineEnd[-1]))
                --lineEnd;
            *lineEnd = '\0';
            ReadLine(text, lineEnd);
            text = next;
        }
    }

private:
    void ReadLine(char* line, char* lineEnd)
    {
        if (line == lineEnd)
            return;
        if (*line == kOwnerMark) {
            m_owner.assign(line + 1, lineEnd);
            m_racePacts = nullptr;
            m_pact = nullptr;
            return;
        }
        if (m_owner.empty())
            return;
        char* firstComma = static_cast<char*>(std::memchr(line, kFieldSeparator, size_t(lineEnd - line)));
        if (!firstComma)
            return;
        if (!std::memchr(firstComma + 1, kFieldSeparator, size_t(lineEnd - firstComma - 1)))
            return;

        // No number reaches past the second comma, so the character after From is still in the line.
        const char* stop = nullptr;
        const int32_t from = platform::ParseInt32(firstComma + 1, &stop);
        const int32_t till = platform::ParseInt32(stop + 1, &stop);
        if (*stop == kFieldSeparator)
            ++stop;

        *firstComma = '\0';
        PactFor(line, size_t(firstComma - line)).Insert(DWORD(from), DWORD(till), stop);
    }

    CPact& PactFor(const char* race, size_t length)
    {
        if (!m_racePacts)
            m_racePacts = &m_register.GetOrAddOwner(m_owner.c_str());
        if (!m_pact || std::string_view(race, length) != m_race) {
            m_race.assign(race, length);
            m_pact = &m_racePacts->GetOrAddPact(race);
        }
        return *m_pact;
    }

    CPactRegister& m_register;
    std::string m_owner;
    CRacePacts* m_racePacts = nullptr;
    std::string m_race;
    CPact* m_pact = nullptr;
};

void CPactRegister::Load(LPCTSTR path)
{
    FileBytes bytes;
    if (!bytes.Read(path))
        return;
    FileReader(*this).ReadAll(bytes.begin(), bytes.end());
}

std::string CPactRegister::FormatFile() const
{
    std::string text;
    m_owners.ForEach([&text](const CString& owner, CObject* object) {
        text += kOwnerMark;
        text += owner.view();
        text += kLineEnd;
        static_cast<const CRacePacts*>(object)->ForEach([&text](const CString& race, CObject* pact) {
            static_cast<const CPact*>(pact)->AppendFileLines(text, race);
        });
        text += kLineEnd;
    });
    return text;
}

void CPactRegister::Save(LPCTSTR path) const { Save(path, SystemFileSystem()); }

void CPactRegister::Save(LPCTSTR path, FileSystem& fileSystem) const
{
    // With no owner at all there is nothing worth a file; an old one stays as it is.
    if (m_owners.IsEmpty())
        return;
    ReplaceFileContents(path, FormatFile(), fileSystem);
}
