#include "RacePacts.h"

IMPLEMENT_DYNAMIC(CRacePacts, CMapStringToOb)

CRacePacts::~CRacePacts()
{
    ForEach([this](const CString&, CObject* pact) { m_pacts.destroy(static_cast<CPact*>(pact)); });
}

CPact* CRacePacts::FindPact(const char* race) const
{
    CObject* const* stored = PLookup(race);
    return stored ? static_cast<CPact*>(*stored) : nullptr;
}

CPact& CRacePacts::GetOrAddPact(const char* race) { return Made((*this)[race]); }

CPact& CRacePacts::GetOrAddPact(const CString& race) { return Made((*this)[race]); }

CPact& CRacePacts::Made(CObject*& stored)
{
    if (!stored)
        stored = m_pacts.make();
    return *static_cast<CPact*>(stored);
}
