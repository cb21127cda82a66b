#include "Pact.h"

#include <algorithm>
#include <cassert>
#include <charconv>

#include "PactTexts.h"

IMPLEMENT_DYNAMIC(CPact, CObject)

namespace allyledger::pacts {

namespace {

void appendSigned(std::string& out, DWORD value)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, int32_t(value));
    out.append(digits, result.ptr);
}

} // namespace

void AppendPactLine(std::string& out, const char* race, DWORD from, DWORD till, const CString& conditions)
{
    out += race;
    out += kFieldSeparator;
    appendSigned(out, from);
    out += kFieldSeparator;
    appendSigned(out, till);
    out += kFieldSeparator;
    out += conditions.view();
}

} // namespace allyledger::pacts

using allyledger::pacts::PactPeriod;

int CPact::FindCovering(DWORD turn) const
{
    const int n = GetCount();
    if (n == 0)
        return -1;
    int lo = 0;
    int hi = n - 1;
    int mid = (lo + hi) / 2;
    while (lo < hi) {
        if (turn < m_From[mid])
            hi = mid;
        else if (turn <= m_Till[mid])
            return mid;
        else
            lo = mid + 1;
        mid = (lo + hi) / 2;
    }
    return m_From[mid] <= turn && turn <= m_Till[mid] ? mid : -1;
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

void CPact::InsertPeriodAt(int index, DWORD from, DWORD till, const char* conditions)
{
    m_Conditions.InsertAt(index, CString(conditions));
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

void CPact::Insert(DWORD from, DWORD till, const char* conditions)
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
        line.clear();
        allyledger::pacts::AppendPactLine(line, race, m_From[k], m_Till[k], m_Conditions[k]);
        lines.AddTail(line.c_str());
    }
}

void CPact::AppendFileLines(std::string& out, const char* race) const
{
    for (int k = 0; k < GetCount(); ++k) {
        allyledger::pacts::AppendPactLine(out, race, m_From[k], m_Till[k], m_Conditions[k]);
        out += allyledger::pacts::kLineEnd;
    }
}

PactPeriod CPact::GetPeriod(int index) const { return PactPeriod{m_From[index], m_Till[index], m_Conditions[index]}; }
