#include "Pact.h"

#include <algorithm>
#include <cassert>
#include <charconv>

#include "AtomicFile.h"
#include "PactTexts.h"

IMPLEMENT_DYNAMIC(CPact, CObject)

using allyledger::pacts::FileBuffer;
using allyledger::pacts::kFieldSeparator;
using allyledger::pacts::kLineEnd;
using allyledger::pacts::PactPeriod;

namespace {

// Room for a signed 32-bit number in decimal: a sign and ten digits.
constexpr size_t kNumberRoom = 11;

// The most that writePactLine can write.
size_t pactLineRoom(std::string_view race, std::string_view conditions, std::string_view lineEnd)
{
    return race.size() + 3 + 2 * kNumberRoom + conditions.size() + lineEnd.size();
}

// The texts are a few bytes: a plain loop copies them sooner than a call of memmove would.
char* copyText(char* to, std::string_view text)
{
    for (char ch : text)
        *to++ = ch;
    return to;
}

char* writeSigned(char* to, DWORD value) { return std::to_chars(to, to + kNumberRoom, int32_t(value)).ptr; }

// One pact file line as "%s,%d,%d,%s" formats it (turns as signed decimal), and lineEnd.
char* writePactLine(char* to, std::string_view race, DWORD from, DWORD till, std::string_view conditions,
                    std::string_view lineEnd)
{
    to = copyText(to, race);
    *to++ = kFieldSeparator;
    to = writeSigned(to, from);
    *to++ = kFieldSeparator;
    to = writeSigned(to, till);
    *to++ = kFieldSeparator;
    to = copyText(to, conditions);
    return copyText(to, lineEnd);
}

} // namespace

int CPact::FindCovering(DWORD turn) const
{
    const int n = GetCount();
    if (n == 0)
        return -1;
    const DWORD* from = m_From.GetData();
    const DWORD* till = m_Till.GetData();
    unsigned lo = 0;
    unsigned hi = unsigned(n) - 1;
    unsigned mid = (lo + hi) / 2;
    while (lo < hi) {
        if (turn < from[mid])
            hi = mid;
        else if (turn <= till[mid])
            return int(mid);
        else
            lo = mid + 1;
        mid = (lo + hi) / 2;
    }
    return from[mid] <= turn && turn <= till[mid] ? int(mid) : -1;
}

int CPact::FirstEndingAtOrAfter(DWORD turn) const
{
    int lo = 0;
    int hi = GetCount();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (m_Till[mid] >= turn)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

void CPact::InsertPeriodAt(int index, DWORD from, DWORD till, const CString& conditions)
{
    if (index == GetCount()) {
        m_Conditions.Add(conditions);
        m_Till.Add(till);
        m_From.Add(from);
        return;
    }
    m_Conditions.InsertAt(index, conditions);
    m_Till.InsertAt(index, till);
    m_From.InsertAt(index, from);
}

void CPact::RemovePeriods(int first, int count)
{
    if (count <= 0)
        return;
    m_Conditions.RemoveAt(first, count);
    m_Till.RemoveAt(first, count);
    m_From.RemoveAt(first, count);
}

// Checks the order around one period, which is all that a single change can break.
void CPact::AssertOrderAround([[maybe_unused]] int index) const
{
    assert(m_Conditions.GetSize() == m_Till.GetSize() && m_Till.GetSize() == m_From.GetSize());
    assert(index < 0 || index >= GetCount() || m_From[index] <= m_Till[index]);
    assert(index <= 0 || index >= GetCount() || m_Till[index - 1] < m_From[index]);
    assert(index < 0 || index + 1 >= GetCount() || m_Till[index] < m_From[index + 1]);
}

void CPact::Insert(DWORD from, DWORD till, const CString& conditions)
{
    if (from > till)
        return;
    const int n = GetCount();
    // Appending is the common case (a file read back, a new pact after the last one) and is
    // never joined to the period before it, even when adjacent with the same conditions.
    if (n == 0 || from > m_Till[n - 1]) {
        InsertPeriodAt(n, from, till, conditions);
        AssertOrderAround(n);
        return;
    }

    const int i = FirstEndingAtOrAfter(from);
    if (till < m_From[i]) {
        InsertPeriodAt(i, from, till, conditions);
        AssertOrderAround(i);
        return;
    }

    // The last period, from i on, that starts no later than till.
    int lo = i;
    int hi = n - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (m_From[mid] <= till)
            lo = mid;
        else
            hi = mid - 1;
    }
    const int j = lo;
    // Periods that start inside the new one go; whatever they held after its Till goes with them.
    RemovePeriods(i + 1, j - i);

    if (m_Conditions[i] == conditions) {
        m_From[i] = std::min(m_From[i], from);
        m_Till[i] = till;
    } else if (from > m_From[i]) {
        m_Till[i] = from - 1;
        InsertPeriodAt(i + 1, from, till, conditions);
        AssertOrderAround(i + 1);
    } else {
        m_From[i] = from;
        m_Till[i] = till;
        m_Conditions[i] = conditions;
    }
    AssertOrderAround(i);
}

DWORD CPact::GetExpiry(DWORD turn) const
{
    int k = FindCovering(turn);
    if (k < 0)
        return 0;
    // Adjacent periods are one pact whatever their conditions, so the walk goes on through them.
    const int last = GetCount() - 1;
    while (k < last && m_Till[k] + 1 == m_From[k + 1])
        ++k;
    return m_Till[k];
}

CString CPact::GetConditions(DWORD turn) const
{
    const int k = FindCovering(turn);
    return k < 0 ? CString() : m_Conditions[k];
}

void CPact::RemoveBefore(DWORD turn) { RemovePeriods(0, FirstEndingAtOrAfter(turn)); }

void CPact::BreakAt(DWORD turn)
{
    const int n = GetCount();
    if (n == 0)
        return;
    // The first period that ends after turn, or the last one when none does.
    int lo = 0;
    int hi = n - 1;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (m_Till[mid] > turn)
            hi = mid;
        else
            lo = mid + 1;
    }
    int k = lo;
    if (m_Till[k] > turn)
        m_Till[k] = turn;
    if (m_From[k] > turn)
        --k;
    RemovePeriods(k + 1, n - (k + 1));
    AssertOrderAround(k);
}

void CPact::AppendLines(const char* race, CStringList& lines) const
{
    std::string line;
    for (int k = 0; k < GetCount(); ++k) {
        line.resize(pactLineRoom(race, m_Conditions[k].view(), {}));
        char* end = writePactLine(line.data(), race, m_From[k], m_Till[k], m_Conditions[k].view(), {});
        line.resize(size_t(end - line.data()));
        lines.AddTail(line.c_str());
    }
}

void CPact::AppendFileLines(FileBuffer& out, const CString& race) const
{
    for (int k = 0; k < GetCount(); ++k) {
        const std::string_view conditions = m_Conditions[k].view();
        char* to = out.Room(pactLineRoom(race.view(), conditions, kLineEnd));
        out.Put(writePactLine(to, race.view(), m_From[k], m_Till[k], conditions, kLineEnd));
    }
}

PactPeriod CPact::GetPeriod(int index) const { return PactPeriod{m_From[index], m_Till[index], m_Conditions[index]}; }
