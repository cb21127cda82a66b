#include "PactRegister.h"

#include <algorithm>
#include <vector>

#include "PactTexts.h"

IMPLEMENT_DYNAMIC(CPactRegister, CObject)

using namespace allyledger::pacts;

CPactRegister::~CPactRegister() { DeleteOwners(); }

void CPactRegister::DeleteOwners()
{
    m_owners.ForEach([](const CString&, CObject* racePacts) { delete racePacts; });
    m_owners.RemoveAll();
}

CRacePacts* CPactRegister::FindOwner(LPCTSTR owner) const
{
    CObject* const* stored = m_owners.PLookup(owner);
    return stored ? static_cast<CRacePacts*>(*stored) : nullptr;
}

CPact* CPactRegister::FindPact(LPCTSTR owner, LPCTSTR race) const
{
    const CRacePacts* racePacts = FindOwner(owner);
    return racePacts ? racePacts->FindPact(race) : nullptr;
}

CRacePacts& CPactRegister::GetOrAddOwner(LPCTSTR owner)
{
    CObject*& stored = m_owners[owner];
    if (!stored)
        stored = new CRacePacts(m_pacts);
    return *static_cast<CRacePacts*>(stored);
}

void CPactRegister::AddPact(LPCTSTR owner, LPCTSTR race, int from, int till, LPCTSTR conditions)
{
    GetOrAddOwner(owner).GetOrAddPact(race).Insert(DWORD(from), DWORD(till), conditions);
}

int CPactRegister::GetExpiry(LPCTSTR owner, LPCTSTR race, int turn) const
{
    const CPact* pact = FindPact(owner, race);
    return pact ? int(pact->GetExpiry(DWORD(turn))) : 0;
}

CString CPactRegister::GetConditions(LPCTSTR owner, LPCTSTR race, int turn) const
{
    const CPact* pact = FindPact(owner, race);
    return pact ? pact->GetConditions(DWORD(turn)) : CString();
}

void CPactRegister::BreakPact(LPCTSTR owner, LPCTSTR race, int turn)
{
    if (CPact* pact = FindPact(owner, race))
        pact->BreakAt(DWORD(turn));
}

void CPactRegister::RemoveExpired(LPCTSTR owner, int turn)
{
    if (const CRacePacts* racePacts = FindOwner(owner))
        racePacts->ForEach([turn](const CString&, CObject* pact) { static_cast<CPact*>(pact)->RemoveBefore(DWORD(turn)); });
}

void CPactRegister::GetExpiryWarnings(LPCTSTR owner, int turn, int threshold, CStringArray& lines,
                                      ConditionLines conditionLines) const
{
    lines.RemoveAll();
    const CRacePacts* racePacts = FindOwner(owner);
    if (!racePacts)
        return;

    struct Warning {
        int left;
        CString line;
        CString conditions;
    };
    std::vector<Warning> warnings;
    racePacts->ForEach([&](const CString& race, CObject* object) {
        const auto* pact = static_cast<const CPact*>(object);
        const int expiry = int(pact->GetExpiry(DWORD(turn)));
        if (expiry <= 0)
            return;
        // Turns are 32-bit on both sides; the difference wraps as the stored numbers do.
        const int left = int(DWORD(expiry) - DWORD(turn));
        if (left > threshold)
            return;
        // After every warning with the same or fewer turns left, so that equal ones keep the
        // races' order.
        const auto at = std::upper_bound(warnings.begin(), warnings.end(), left,
                                         [](int l, const Warning& w) { return l < w.left; });
        Warning warning{left, CString(), CString()};
        warning.line.Format(kExpiryWarningFormat, race.GetString(), expiry, left);
        if (conditionLines == ConditionLines::Include)
            warning.conditions = pact->GetConditions(DWORD(turn));
        warnings.insert(at, std::move(warning));
    });

    for (Warning& warning : warnings) {
        lines.Add(warning.line);
        if (conditionLines == ConditionLines::Omit)
            continue;
        if (warning.conditions.IsEmpty())
            lines.Add(kNoConditionsLine);
        while (!warning.conditions.IsEmpty())
            lines.Add(kConditionLinePrefix + PopCondition(warning.conditions));
    }
}

void CPactRegister::RenameOwner(LPCTSTR oldKey, LPCTSTR newKey)
{
    CRacePacts* moved = FindOwner(oldKey);
    if (!moved || CString(oldKey) == newKey)
        return;
    m_owners.RemoveKey(oldKey);
    CRacePacts* existing = FindOwner(newKey);
    if (!existing) {
        m_owners.SetAt(newKey, moved);
        return;
    }
    moved->ForEach([existing](const CString& race, CObject* object) {
        const auto* pact = static_cast<const CPact*>(object);
        CPact& target = existing->GetOrAddPact(race);
        for (int k = 0; k < pact->GetCount(); ++k) {
            const PactPeriod period = pact->GetPeriod(k);
            target.Insert(period.from, period.till, period.conditions);
        }
    });
    delete moved;
}

void CPactRegister::AddCondition(LPCTSTR abbreviation, LPCTSTR text) { m_conditions.SetAt(abbreviation, CString(text)); }

CString CPactRegister::PopCondition(CString& conditions) const
{
    if (conditions.IsEmpty())
        return CString();
    const int separator = conditions.Find(kConditionSeparator);
    const CString abbreviation = separator < 0 ? conditions : conditions.Left(separator);
    conditions = separator < 0 ? CString() : conditions.Mid(separator + 1);
    const CString* text = m_conditions.PLookup(abbreviation);
    return text ? *text : CString();
}

void CPactRegister::ExportConditions(CStringArray& abbreviations, CStringArray& texts) const
{
    abbreviations.RemoveAll();
    texts.RemoveAll();
    m_conditions.ForEach([&](const CString& abbreviation, const CString& text) {
        abbreviations.Add(abbreviation);
        texts.Add(text);
    });
}
