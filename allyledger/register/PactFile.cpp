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
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "AtomicFile.h"
#include "PactTexts.h"
#include "platform/core/Convert.h"

using namespace allyledger::pacts;

namespace {

// Reads a file in pieces and hands them on as runs of whole lines, so that a file of any size
// takes no more room than a piece and its longest line. Every run but the last of a file ends
// with a line end; the byte after the last run is room for a terminating zero.
class LineReader {
public:
    // False when the file cannot be opened or a read fails; runs read before a failed read
    // have been handed on.
    template <class TakeRun>
    bool Read(const char* path, TakeRun takeRun)
    {
        const OpenFile file{::open(path, O_RDONLY | O_CLOEXEC)};
        return file.fd >= 0 && readRuns(file.fd, takeRun);
    }

private:
    // Closed however the reading ends, a run that throws included.
    struct OpenFile {
        int fd;
        ~OpenFile()
        {
            if (fd >= 0)
                ::close(fd);
        }
    };
    static constexpr size_t kPiece = 64 * 1024;

    template <class TakeRun>
    bool readRuns(int fd, TakeRun& takeRun)
    {
        struct stat info {};
        if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))
            return false;
        m_room = kPiece;
        m_buffer = std::make_unique_for_overwrite<char[]>(m_room + 1);
        // The bytes of a line that the last read did not finish, at the front of the buffer.
        size_t kept = 0;
        for (;;) {
            if (kept == m_room)
                grow();
            const ssize_t got = ::read(fd, m_buffer.get() + kept, m_room - kept);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return false;
            if (got == 0)
                break;
            char* const begin = m_buffer.get();
            char* const end = begin + kept + size_t(got);
            char* const lastLineEnd = static_cast<char*>(::memrchr(begin + kept, '\n', size_t(got)));
            kept += size_t(got);
            if (!lastLineEnd)
                continue;
            char* const runEnd = lastLineEnd + 1;
            takeRun(begin, runEnd);
            kept = size_t(end - runEnd);
            std::memmove(begin, runEnd, kept);
        }
        if (kept)
            takeRun(m_buffer.get(), m_buffer.get() + kept);
        return true;
    }

    // A line longer than the buffer: twice the room, keeping what is in it.
    void grow()
    {
        auto bigger = std::make_unique_for_overwrite<char[]>(2 * m_room + 1);
        std::memcpy(bigger.get(), m_buffer.get(), m_room);
        m_buffer = std::move(bigger);
        m_room *= 2;
    }

    std::unique_ptr<char[]> m_buffer;
    size_t m_room = 0;
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

// Texts of a file are short, too short for a call of memcmp to pay.
bool sameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k])
            return false;
    return true;
}

// Texts that recur across the lines of a file (race names, conditions), each held once: the
// records that a file's lines make share their characters. A file holds few distinct texts, so
// the table is open, probed in a row, at most half full.
class TextPool {
public:
    TextPool() : m_slots(kFirstSlots) {}

    const CString& Get(std::string_view text)
    {
        if (text.empty())
            return m_empty;
        const uint32_t hash = hashOf(text);
        for (size_t k = hash & (m_slots.size() - 1);; k = (k + 1) & (m_slots.size() - 1)) {
            Slot& slot = m_slots[k];
            if (slot.length == 0) {
                slot = Slot{hash, uint32_t(text.size()), CString(text)};
                if (2 * ++m_count > m_slots.size()) {
                    grow();
                    return Get(text);
                }
                return slot.text;
            }
            if (slot.hash == hash && slot.length == text.size() && sameText(slot.text.view(), text))
                return slot.text;
        }
    }

private:
    // A free slot has length 0, as no text in the table is empty.
    struct Slot {
        uint32_t hash = 0;
        uint32_t length = 0;
        CString text;
    };
    static constexpr size_t kFirstSlots = 64;

    // The texts are short: a hash of one cheap step a byte, mixed at the end so that the low
    // bits that pick the slot depend on every byte.
    static uint32_t hashOf(std::string_view text)
    {
        uint32_t hash = uint32_t(text.size());
        for (const char ch : text)
            hash = hash * 31 + uint8_t(ch);
        hash ^= hash >> 15;
        hash *= 0x2c1b3c6du;
        return hash ^ (hash >> 12);
    }
    void grow()
    {
        std::vector<Slot> old(2 * m_slots.size());
        old.swap(m_slots);
        for (Slot& slot : old) {
            if (slot.length == 0)
                continue;
            size_t k = slot.hash & (m_slots.size() - 1);
            while (m_slots[k].length != 0)
                k = (k + 1) & (m_slots.size() - 1);
            m_slots[k] = std::move(slot);
        }
    }

    const CString m_empty;
    std::vector<Slot> m_slots;
    size_t m_count = 0;
};

} // namespace

// Reads the lines of a file into a register. It keeps the owner's record and the last race's
// history at hand, since consecutive lines mostly belong to the same ones; what it adds is
// exactly what AddPact would.
class CPactRegister::FileReader {
public:
    explicit FileReader(CPactRegister& pactRegister) : m_register(pactRegister) {}

    // Takes in whole lines of a file, changing their bytes in place; the byte at end may be
    // written when the last line has no line end.
    void ReadAll(char* text, char* end)
    {
        // Files hold no zero bytes as a rule; only when one does is each line searched for it.
        const bool zeroBytes = std::memchr(text, '\0', size_t(end - text)) != nullptr;
        while (text < end) {
            char* lineEnd = static_cast<char*>(std::memchr(text, '\n', size_t(end - text)));
            lineEnd = lineEnd ? lineEnd : end;
            // Lines are short: a plain walk finds their first two commas sooner than a search.
            char* commas[2] = {nullptr, nullptr};
            int commaCount = 0;
            for (char* at = text; at < lineEnd && commaCount < 2; ++at)
                if (*at == kFieldSeparator)
                    commas[commaCount++] = at;
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

        PactFor(std::string_view(line, size_t(firstComma - line)))
            .Insert(DWORD(from), DWORD(till), m_texts.Get(std::string_view(stop, size_t(lineEnd - stop))));
    }

    CPact& PactFor(std::string_view race)
    {
        if (!m_racePacts)
            m_racePacts = &m_register.GetOrAddOwner(m_owner.c_str());
        if (!m_pact || !sameText(race, m_race.view())) {
            m_race = m_texts.Get(race);
            m_pact = &m_racePacts->GetOrAddPact(m_race);
        }
        return *m_pact;
    }

    CPactRegister& m_register;
    TextPool m_texts;
    std::string m_owner;
    CRacePacts* m_racePacts = nullptr;
    CString m_race;
    CPact* m_pact = nullptr;
};

void CPactRegister::Load(LPCTSTR path)
{
    FileReader reader(*this);
    if (m_owners.IsEmpty()) {
        // The plug-in's one load, at its start: lines are taken in as they are read, and a read
        // that fails part way (or runs out of memory) empties the register again.
        try {
            if (!LineReader().Read(path, [&reader](char* begin, char* end) { reader.ReadAll(begin, end); }))
                DeleteOwners();
        } catch (...) {
            DeleteOwners();
            throw;
        }
        return;
    }
    // Pacts are there already: the whole file is read before its lines are taken in, so that a
    // read that fails part way leaves them as they were.
    std::string bytes;
    if (LineReader().Read(path, [&bytes](char* begin, char* end) { bytes.append(begin, end); }))
        reader.ReadAll(bytes.data(), bytes.data() + bytes.size());
}

void CPactRegister::Save(LPCTSTR path) const { Save(path, SystemFileSystem()); }

void CPactRegister::Save(LPCTSTR path, FileSystem& fileSystem) const
{
    // With no owner at all there is nothing worth a file; an old one stays as it is.
    if (m_owners.IsEmpty())
        return;
    AtomicFileWriter file(path, fileSystem);
    FileBuffer out(file);
    m_owners.ForEach([&out](const CString& owner, CObject* object) {
        out.Append(std::string_view(&kOwnerMark, 1));
        out.Append(owner.view());
        out.Append(kLineEnd);
        static_cast<const CRacePacts*>(object)->ForEach(
            [&out](const CString& race, CObject* pact) { static_cast<const CPact*>(pact)->AppendFileLines(out, race); });
        out.Append(kLineEnd);
    });
    out.Flush();
    file.Commit();
}
