// A host for document/view tests: a fresh window system, the host's application with its MDI
// main frame shown and active, and small document, view and frame classes that write what
// happens to them into a journal.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Document.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/MultiDocTemplate.h"
#include "platform/framework/PrintSpooler.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"
#include "platform/gdi/DC.h"
#include "platform/win/Compose.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"

namespace docview {

inline std::vector<std::string>& Journal()
{
    static std::vector<std::string> lines;
    return lines;
}

inline std::string Name(const CObject* object);

// A document that says when it goes and whether it accepts being new.
class CDvDoc : public CDocument {
    DECLARE_DYNCREATE(CDvDoc)
public:
    CDvDoc() { ++alive; }
    ~CDvDoc() override
    {
        --alive;
        Journal().push_back("doc deleted " + std::string(GetTitle()));
    }
    BOOL OnNewDocument() override { return refuseNew ? FALSE : CDocument::OnNewDocument(); }
    static inline BOOL refuseNew = FALSE;
    static inline int alive = 0;
};

// A view that fills itself with its colour and writes its first update, updates and
// activations into the journal.
class CDvView : public CView {
    DECLARE_DYNCREATE(CDvView)
public:
    void OnDraw(CDC* dc) override
    {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, colour);
    }
    void OnInitialUpdate() override
    {
        Journal().push_back(name + " initial update");
        CView::OnInitialUpdate();
    }
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override
    {
        updates.push_back({sender, hint, hintObject});
        CView::OnUpdate(sender, hint, hintObject);
    }
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override
    {
        Journal().push_back(name + (activate ? " activate(" : " deactivate(") + Name(activateView) + ", " +
                            Name(deactiveView) + ")");
        CView::OnActivateView(activate, activateView, deactiveView);
    }

    struct Update {
        CView* sender;
        LPARAM hint;
        CObject* object;
    };
    std::vector<Update> updates;
    std::string name = "view";
    COLORREF colour = RGB(255, 255, 255);
};

inline std::string Name(const CObject* object)
{
    if (!object)
        return "null";
    if (const auto* view = dynamic_cast<const CDvView*>(object))
        return view->name;
    return "?";
}

inline const char* kDocString = "\nDv\nDv";

class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ResetWindowSystem();
        platform::PrintSpooler::Instance().Reset();
        Journal().clear();
        CDvDoc::refuseNew = FALSE;
        app = std::make_unique<CWinApp>("Host");
        mainFrame = new CMDIFrameWnd;
        ASSERT_TRUE(mainFrame->Create(nullptr, "Host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
        app->m_pMainWnd = mainFrame;
        mainFrame->ShowWindow(SW_SHOW);
        templ = new CMultiDocTemplate(8003, RUNTIME_CLASS(CDvDoc), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CDvView),
                                      kDocString);
        app->AddDocTemplate(templ);
        platform::RunUntilIdle();
    }
    void TearDown() override
    {
        platform::ResetWindowSystem();
        app.reset();
        platform::PrintSpooler::Instance().Reset();
    }

    // A new document through the template, with the name and colour of its (first) view.
    CDvDoc* Open(const std::string& viewName, COLORREF colour = RGB(255, 255, 255))
    {
        auto* doc = dynamic_cast<CDvDoc*>(templ->OpenDocumentFile(nullptr));
        if (CDvView* view = doc ? ViewOf(doc) : nullptr) {
            view->name = viewName;
            view->colour = colour;
            view->Invalidate();
        }
        return doc;
    }
    static CDvView* ViewOf(CDocument* doc, int index = 0)
    {
        POSITION pos = doc->GetFirstViewPosition();
        CView* view = nullptr;
        for (int i = 0; pos && i <= index; ++i)
            view = doc->GetNextView(pos);
        return dynamic_cast<CDvView*>(view);
    }
    static CMDIChildWnd* FrameOf(CDocument* doc) { return dynamic_cast<CMDIChildWnd*>(ViewOf(doc)->GetParentFrame()); }
    int DocumentCount() const
    {
        int count = 0;
        for (POSITION pos = templ->GetFirstDocPosition(); pos; templ->GetNextDoc(pos))
            ++count;
        return count;
    }
    static CString Caption(CWnd* wnd)
    {
        CString text;
        wnd->GetWindowText(text);
        return text;
    }

    std::unique_ptr<CWinApp> app;
    CMDIFrameWnd* mainFrame = nullptr;
    CMultiDocTemplate* templ = nullptr;
};

// The colour of a window's client pixel in a picture of it.
inline COLORREF ClientPixel(HWND hwnd, int x, int y)
{
    const platform::Surface picture = platform::ComposeWindow(hwnd);
    CRect window;
    ::GetWindowRect(hwnd, &window);
    POINT origin{0, 0};
    ::ClientToScreen(hwnd, &origin);
    const uint32_t p = picture.Row(origin.y - window.top + y)[origin.x - window.left + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

} // namespace docview
