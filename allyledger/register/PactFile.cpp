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
// The file is read in one go before any line is taken in, so a read that fails half way
// leaves the register as it was.
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
        // The size is a first guess, and one byte more lets the read that meets the end find
        // it without growing; a file that grows meanwhile is read to its end all the same.
        reserve(info.st_size > 0 ? size_t(info.st_size) + 1 : 4096);
        for (;;) {
            if (m_size == m_capacity)
                reserve(m_capacity * 2);
            const ssize_t got = ::read(fd, m_data.get() + m_size, m_capacity - m_size);
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

    // Room for capacity bytes and the terminating zero.
    void reserve(size_t capacity)
    {
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity + 1);
        if (m_size)
            std::memcpy(bigger.get(), m_data.get(), m_size);
        m_data = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

// Reads a number as ParseInt32 does, going straight through the plain case of up to nine
// digits, which cannot overflow.
int32_t readNumber(const char* text, const char** end)
{
    const char* digit = text;
    int32_t value = 0;
    while (digit - text < 9 && unsigned(*digit - '0') < 10)
        value = value * 10 + (*digit++ - '0');
    if (digit == text || unsigned(*digit - '0') < 10)
        return platform::ParseInt32(text, end);
    *end = digit;
    return value;
}

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
        // Files hold no zero bytes as a rule; only when one does is each line searched for it.
        const bool zeroBytes = std::memchr(text, '\0', size_t(end - text)) != nullptr;
        while (text < end) {
            char* lineEnd = find(text, end, '\n');
            char* commas[2] = {find(text, lineEnd, kFieldSeparator), nullptr};
            if (commas[0] != lineEnd)
                commas[1] = find(commas[0] + 1, lineEnd, kFieldSeparator);
            int commaCount = commas[0] == lineEnd ? 0 : commas[1] == lineEnd ? 1 : 2;
            char* next = lineEnd < end ? lineEnd + 1 : end;
            // A zero byte ends the line's text, as it would end any C text that holds the line.
            if (zeroBytes)
                if (char* zero = static_cast<char*>(std::memchr(text, '\0', size_t(lineEnd - text)))) {
                    lineEnd = zero;
                    while (commaCount > 0 && commas[commaCount - 1] > zero)
                        --commaCount;
                }
            while (text < lineEnd && isWhiteSpace(*text))
                ++text;
            while (lineEnd > text && isWhiteSpace(lineEnd[-1]))
                --lineEnd;
            *lineEnd = '\0';
            ReadLine(text, lineEnd, commaCount == 2 ? commas[0] : nullptr);
            text = next;
        }
    }

private:
    static char* find(char* from, char* end, char ch)
    {
        char* found = static_cast<char*>(std::memchr(from, ch, size_t(end - from)));
        return found ? found : end;
    }

    // firstComma is null when the line has fewer than two commas.
    void ReadLine(char* line, char* lineEnd, char* firstComma)
    {
        if (line == lineEnd)
            return;
        if (*line == kOwnerMark) {
            m_owner.assign(line + 1, lineEnd);
            m_racePacts = nullptr;
            m_pact = nullptr;
            return;
        }
        if (m_owner.empty() || !firstComma)
            return;

        // No number reaches past the second comma, so the character after From is still in the line.
        const char* stop = nullptr;
        const int32_t from = readNumber(firstComma + 1, &stop);
        const int32_t till = readNumber(stop + 1, &stop);
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

void CPactRegister::Save(LPCTSTR path) const { Save(path, SystemFileSystem()); }

void CPactRegister::Save(LPCTSTR path, FileSystem& fileSystem) const
{
    // With no owner at all there is nothing worth a file; an old one stays as it is.
    if (m_owners.IsEmpty())
        return;
    AtomicFileWriter file(path, fileSystem);
    // The lines are gathered in a buffer that stays small enough for the processor's caches
    // and is written out whenever it fills.
    constexpr size_t kChunk = 64 * 1024;
    std::string chunk;
    chunk.reserve(kChunk + 4096);
    m_owners.ForEach([&](const CString& owner, CObject* object) {
        chunk += kOwnerMark;
        chunk += owner.view();
        chunk += kLineEnd;
        static_cast<const CRacePacts*>(object)->ForEach([&](const CString& race, CObject* pact) {
            static_cast<const CPact*>(pact)->AppendFileLines(chunk, race);
            if (chunk.size() >= kChunk) {
                file.Write(chunk);
                chunk.clear();
            }
        });
        chunk += kLineEnd;
    });
    file.Write(chunk);
    file.Commit();
}
