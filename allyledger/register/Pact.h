// CPact: the pact history of one other race, a sorted list of disjoint periods.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/Collections.h"

namespace allyledger::pacts {

// One period of a pact: turns From through Till inclusive, under a conditions string
// (abbreviations joined by "/", empty for none).
struct PactPeriod {
    DWORD from = 0;
    DWORD till = 0;
    CString conditions;
    bool operator==(const PactPeriod&) const = default;
};

class FileBuffer;

} // namespace allyledger::pacts

// The periods are kept sorted by turn and disjoint (Till[k] < From[k+1]); adjacent periods are
// kept apart in storage. Every lookup by turn is a bisection, and every change keeps the order,
// so nothing is ever sorted. All turn comparisons are unsigned.
class CPact : public CObject {
    DECLARE_DYNAMIC(CPact)
public:
    CPact() = default;

    // A stored period shares the characters of its conditions text.
    void Insert(DWORD from, DWORD till, const CString& conditions);
    // The last turn of the unbroken pact (adjacent periods read as one) that covers turn, or 0.
    DWORD GetExpiry(DWORD turn) const;
    // The conditions of the period that covers turn, or "".
    CString GetConditions(DWORD turn) const;
    void RemoveBefore(DWORD turn);
    void BreakAt(DWORD turn);
    // Appends one line per period, as the pact file holds it: "%s,%d,%d,%s" of the race, From,
    // Till and the conditions.
    void AppendLines(const char* race, CStringList& lines) const;

    int GetCount() const { return m_Conditions.GetSize(); }
    allyledger::pacts::PactPeriod GetPeriod(int index) const;
    // Writes this history's pact file lines, each followed by the file's line end.
    void AppendFileLines(allyledger::pacts::FileBuffer& out, const CString& race) const;

private:
    // The index of the period that covers turn, or -1.
    int FindCovering(DWORD turn) const;
    // The first period whose Till is at least turn, or GetCount() when there is none.
    int FirstEndingAtOrAfter(DWORD turn) const;
    void InsertPeriodAt(int index, DWORD from, DWORD till, const CString& conditions);
    void RemovePeriods(int first, int count);
    void AssertOrderAround(int index) const;

    // Three parallel arrays, one entry per period, in this order of declaration.
    CStringArray m_Conditions;
    CDWordArray m_Till;
    CDWordArray m_From;
};
