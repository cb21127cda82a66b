// The New condition dialog: a main text and its abbreviation for the condition dictionary.
#pragma once

#include "platform/framework/Dialog.h"

class CNewConditionDlg : public CDialog {
public:
    explicit CNewConditionDlg(CWnd* parent = nullptr);

    CString m_abbreviation;
    CString m_mainText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
