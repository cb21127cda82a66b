// CPactRegister: every owner key's pacts, the condition dictionary, and the pact file.
#pragma once

#include "RacePacts.h"

class CCheckListBox;

namespace allyledger::pacts {
class FileSystem;
}

// Owner keys ("game/own race") map to the CRacePacts that the register owns; the condition
// dictionary maps abbreviations to their main texts. Owner keys and races are compared exactly;
// turns and counts at this interface are signed, the histories store them unsigned. No owner
// or race entry is ever removed, except that RenameOwner moves one.
class CPactRegister : public CObject {
    DECLARE_DYNAMIC(CPactRegister)
public:
    enum class ConditionLines { Omit, Include };

    CPactRegister() = default;
    ~CPactRegister() override;
    CPactRegister(const CPactRegister&) = delete;
    CPactRegister& operator=(const CPactRegister&) = delete;

    // Pacts. Missing owners or races give 0, "" or no change.
    void AddPact(LPCTSTR owner, LPCTSTR race, int from, int till, LPCTSTR conditions);
    int GetExpiry(LPCTSTR owner, LPCTSTR race, int turn) const;
    CString GetConditions(LPCTSTR owner, LPCTSTR race, int turn) const;
    void BreakPact(LPCTSTR owner, LPCTSTR race, int turn);
    void RemoveExpired(LPCTSTR owner, int turn);
    // The pacts of owner that expire within threshold turns of turn, soonest first, one line
    // each; with ConditionLines::Include each is followed by lines naming its conditions.
    void GetExpiryWarnings(LPCTSTR owner, int turn, int threshold, CStringArray& lines,
                           ConditionLines conditionLines) const;
    // Moves the pacts of oldKey to newKey. When newKey already has pacts, the moved periods are
    // inserted into them (race by race, in turn order), so nothing is lost; where they overlap,
    // the moved ones win, as any newly recorded period does.
    void RenameOwner(LPCTSTR oldKey, LPCTSTR newKey);

    // The pact file: Load adds the file's pacts; Save replaces the file as a whole, or leaves
    // it untouched when saving fails or the register holds no owner at all.
    void Load(LPCTSTR path);
    void Save(LPCTSTR path) const;
    // Save through the given file system calls (a test's, to make one of them fail).
    void Save(LPCTSTR path, allyledger::pacts::FileSystem& fileSystem) const;

    // Condition dictionary.
    void AddCondition(LPCTSTR abbreviation, LPCTSTR text);
    // Takes the first abbreviation off conditions and returns its main text ("" when unknown).
    CString PopCondition(CString& conditions) const;
    void ExportConditions(CStringArray& abbreviations, CStringArray& texts) const;

    // Check lists of conditions: each item shows a main text and remembers its dictionary entry,
    // wherever a sorting list places it.
    void FillConditionList(CCheckListBox& list) const;
    // Ticks the items of the conditions string and no others.
    void CheckConditions(LPCTSTR conditions, CCheckListBox& list) const;
    // The abbreviations of the ticked items in list order, joined by "/".
    CString GetTickedConditions(CCheckListBox& list) const;

    // Read access for the plug-in's views and for tests.
    const CMapStringToOb& GetOwners() const { return m_owners; }
    const CMapStringToString& GetConditionDictionary() const { return m_conditions; }
    CRacePacts* FindOwner(LPCTSTR owner) const;
    CPact* FindPact(LPCTSTR owner, LPCTSTR race) const;

private:
    class FileReader;

    CRacePacts& GetOrAddOwner(LPCTSTR owner);
    void DeleteOwners();

    PactPool m_pacts;
    CMapStringToOb m_owners;
    CMapStringToString m_conditions;
};
