#include "RacePacts.h"

IMPLEMENT_DYNAMIC(CRacePacts, CMapStringToOb)

CRacePacts::~CRacePacts()
{
    ForEach([](const CString&, CObject* pact) { delete pact; });
}

CPact* CRacePacts::FindPact(const char* race) const
{
    CObject* const* stored = PLookup(race);
    return stored ? static_cast<CPact*>(*stored) : nullptr;
}

CPact& CRacePacts::GetOrAddPact(const char* race)
{
    CObject*& stored = (*this)[race];
    if (!stored)
        stored = new CPact;
    return *static_cast<CPact*>(stored);
}
