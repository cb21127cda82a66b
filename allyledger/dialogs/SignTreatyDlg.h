// The Sign treaty dialog: the race, the first and last turn of a new pact and its additional
// conditions, ticked in a list of the condition dictionary.
#pragma once

#include "allyledger/register/PactRegister.h"
#include "platform/framework/CheckListBox.h"
#include "platform/framework/Dialog.h"

class CSpinButtonCtrl;

class CSignTreatyDlg : public CDialog {
public:
    // The races are the host's answer to "List" "Races"; the default length proposes the last
    // turn; new conditions go into the register's dictionary.
    CSignTreatyDlg(CPactRegister& pactRegister, int defaultLength, const CMapStringToString& races, int turn,
                   LPCTSTR conditions, CWnd* parent = nullptr);

    CCheckListBox m_conditionList;
    CString m_race;
    CString m_firstTurn;
    CString m_lastTurn;
    // Abbreviations joined by "/".
    CString m_conditions;
    int m_turn = 0;
    CMapStringToString m_races;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void FillRaces();
    void OnLeaveFirstTurn();
    void OnLeaveLastTurn();
    void OnAdd();
    bool IsListed(const CString& mainText);
    CSpinButtonCtrl* Arrows(int id) const;

    CPactRegister& m_register;
    int m_defaultLength = 0;
};
