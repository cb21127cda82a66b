// CRacePacts: the pacts of one owner key, from the other race's name to its CPact.
#pragma once

#include "Pact.h"

// Owns its CPact objects: they are deleted with it. Entries are never removed.
class CRacePacts : public CMapStringToOb {
    DECLARE_DYNAMIC(CRacePacts)
public:
    CRacePacts() = default;
    ~CRacePacts() override;

    // The race's history, or null when the race has none.
    CPact* FindPact(const char* race) const;
    // The race's history, created empty when missing.
    CPact& GetOrAddPact(const char* race);
    // The same for a name that is a CString already, which a new entry shares.
    CPact& GetOrAddPact(const CString& race);

private:
    // The history an entry holds, made when the entry is new.
    CPact& Made(CObject*& stored);

    // The histories are made in blocks, as reading a file makes a great many at once; since no
    // entry is ever removed, a block lives as long as the record.
    platform::detail::NodePool<CPact> m_pacts;
};
