// CRacePacts: the pacts of one owner key, from the other race's name to its CPact.
#pragma once

#include "Pact.h"

// The room that CPact objects are made in. A register makes a great many histories at once when
// it reads its file, so they come from blocks that all of its records share.
using PactPool = platform::detail::NodePool<CPact>;

// Owns its CPact objects: they are deleted with it. Entries are never removed. The pool must
// outlive the record.
class CRacePacts : public CMapStringToOb {
    DECLARE_DYNAMIC(CRacePacts)
public:
    explicit CRacePacts(PactPool& pacts) : m_pacts(pacts) {}
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

    PactPool& m_pacts;
};
