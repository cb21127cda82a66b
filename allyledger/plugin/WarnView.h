// The view of a warnings window: one band per line, coloured by how soon the pact ends.
#pragma once

#include "platform/framework/ScrollView.h"

class CWarnDoc;

class CWarnView : public CScrollView {
    DECLARE_DYNCREATE(CWarnView)
public:
    // Update hints: 0 lays the lines out anew, 1 shows or hides the window for the current owner.
    enum : LPARAM { HintLayout = 0, HintVisibility = 1 };

    CWarnDoc* GetDocument() const;

    // Band and text colour of a line, and the turns it says are left (-1 for no pact line).
    struct LineColours {
        COLORREF band;
        COLORREF text;
    };
    static LineColours ColoursOf(const CString& line, int threshold);

protected:
    void OnDraw(CDC* dc) override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void OnChar(UINT nChar, UINT repeatCount, UINT flags) override;

private:
    void Layout();

    int m_bandWidth = 0;
};
