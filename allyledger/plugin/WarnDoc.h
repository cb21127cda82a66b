// The document of a warnings window: the pacts of one owner key about to expire, as they stood
// when the window was opened. Nothing in it changes afterwards.
#pragma once

#include "platform/framework/Document.h"

class CWarnDoc : public CDocument {
    DECLARE_DYNCREATE(CWarnDoc)
public:
    CWarnDoc();

    BOOL OnNewDocument() override;

    CString m_owner;
    CString m_title;
    CStringArray m_lines;
};
