#include <algorithm>

#include "DocViewFixture.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/framework/ResourceTable.h"

using namespace docview;

namespace {

BOOL Listed(CDocTemplate* templ, CDocument* doc)
{
    for (POSITION pos = templ->GetFirstDocPosition(); pos;)
        if (templ->GetNextDoc(pos) == doc)
            return TRUE;
    return FALSE;
}

BOOL Journaled(const std::string& line)
{
    return std::find(Journal().begin(), Journal().end(), line) != Journal().end();
}

} // namespace

TEST_F(DocViewTest, NewDocumentGetsAFrameAndViewInsideTheMainFrameWithItsTitleAsCaption)
{
    CDvDoc* doc = Open("first");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetDocTemplate(), templ);
    EXPECT_TRUE(Listed(templ, doc));
    EXPECT_EQ(doc->GetTitle(), "Dv1");

    CDvView* view = ViewOf(doc);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument(), doc);
    CMDIChildWnd* frame = FrameOf(doc);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(::GetParent(frame->m_hWnd), mainFrame->m_hWndMDIClient);
    EXPECT_EQ(::GetParent(mainFrame->m_hWndMDIClient), mainFrame->m_hWnd);
    EXPECT_EQ(frame->GetMDIFrame(), mainFrame);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(mainFrame->MDIGetActive(), frame);
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(CWnd::GetFocus(), view);
    EXPECT_EQ(std::count(Journal().begin(), Journal().end(), "view initial update"), 1);

    doc->SetTitle("Pact expiry warnings (Nova/Reds turn 12)");
    EXPECT_EQ(Caption(frame), "Pact expiry warnings (Nova/Reds turn 12)");
    EXPECT_EQ(Caption(mainFrame), "Host");

    // Untitled documents are numbered after the document name of the template's string.
    CDvDoc* second = Open("second");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetTitle(), "Dv2");
    POSITION pos = templ->GetFirstDocPosition();
    EXPECT_EQ(templ->GetNextDoc(pos), doc);
    EXPECT_EQ(templ->GetNextDoc(pos), second);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(app->GetOpenDocumentCount(), 2);
}

TEST_F(DocViewTest, HintsReachEveryViewButTheSender)
{
    CDvDoc* doc = Open("first");
    ASSERT_NE(doc, nullptr);
    // A second frame on the same document.
    CFrameWnd* other = templ->CreateNewFrame(doc, FrameOf(doc));
    ASSERT_NE(other, nullptr);
    templ->InitialUpdateFrame(other, doc);
    CDvView* first = ViewOf(doc, 0);
    CDvView* second = ViewOf(doc, 1);
    ASSERT_NE(second, nullptr);
    first->updates.clear();
    second->updates.clear();

    CDvDoc hintObject;
    doc->UpdateAllViews(first, 7, &hintObject);
    EXPECT_TRUE(first->updates.empty());
    ASSERT_EQ(second->updates.size(), 1u);
    EXPECT_EQ(second->updates[0].sender, first);
    EXPECT_EQ(second->updates[0].hint, 7);
    EXPECT_EQ(second->updates[0].object, &hintObject);

    doc->UpdateAllViews(nullptr, 1);
    EXPECT_EQ(first->updates.size(), 1u);
    EXPECT_EQ(second->updates.size(), 2u);

    // Two frames of one document are told apart in their captions.
    EXPECT_EQ(Caption(FrameOf(doc)), "Dv1:1");
    EXPECT_EQ(Caption(other), "Dv1:2");
}

TEST_F(DocViewTest, ClosingTheLastFrameDestroysTheDocument)
{
    struct Case {
        const char* how;
        void (*close)(CWnd* frame);
    };
    const Case cases[] = {
        {"sent", [](CWnd* frame) { frame->SendMessage(WM_CLOSE); }},
        {"posted", [](CWnd* frame) {
             frame->PostMessage(WM_CLOSE);
             platform::RunUntilIdle();
         }},
        {"close box", [](CWnd* frame) { frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Journal().clear();
        CDvDoc* doc = Open("view");
        ASSERT_NE(doc, nullptr);
        const CString title = doc->GetTitle();
        HWND frame = FrameOf(doc)->m_hWnd;
        c.close(CWnd::FromHandle(frame));
        EXPECT_FALSE(::IsWindow(frame));
        EXPECT_TRUE(Journaled("doc deleted " + std::string(title)));
        EXPECT_EQ(DocumentCount(), 0);
        EXPECT_EQ(mainFrame->MDIGetActive(), nullptr);
    }
}

TEST_F(DocViewTest, ADocumentShownInTwoFramesLivesUntilTheSecondCloses)
{
    CDvDoc* doc = Open("first");
    ASSERT_NE(doc, nullptr);
    CFrameWnd* other = templ->CreateNewFrame(doc, nullptr);
    ASSERT_NE(other, nullptr);
    templ->InitialUpdateFrame(other, doc);

    FrameOf(doc)->SendMessage(WM_CLOSE);
    ASSERT_EQ(DocumentCount(), 1);
    EXPECT_EQ(ViewOf(doc)->GetParentFrame(), other);
    EXPECT_EQ(Caption(other), "Dv1");

    other->SendMessage(WM_CLOSE);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_TRUE(Journaled("doc deleted Dv1"));
}

TEST_F(DocViewTest, FileCloseReachesTheActiveDocumentThroughTheMainFrame)
{
    CDvDoc* first = Open("first");
    CDvDoc* second = Open("second");
    ASSERT_TRUE(first && second);
    mainFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_TRUE(Journaled("doc deleted Dv2"));
    ASSERT_EQ(DocumentCount(), 1);
    // The remaining child becomes the active one.
    EXPECT_EQ(mainFrame->MDIGetActive(), FrameOf(first));
}

TEST_F(DocViewTest, AFailedNewDocumentLeavesNothingBehind)
{
    struct Case {
        const char* what;
        const CRuntimeClass* frameClass;
        const CRuntimeClass* viewClass;
        BOOL refuseNew;
    };
    const Case cases[] = {
        {"the document refuses to be new", RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CDvView), TRUE},
        {"the view class is not a window", RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CDvDoc), FALSE},
        {"the frame class is not a frame", RUNTIME_CLASS(CDvView), RUNTIME_CLASS(CDvView), FALSE},
        {"there is no frame class", nullptr, RUNTIME_CLASS(CDvView), FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int aliveBefore = CDvDoc::alive;
        CDvDoc::refuseNew = c.refuseNew;
        auto* failing = new CMultiDocTemplate(9, RUNTIME_CLASS(CDvDoc), c.frameClass, c.viewClass, kDocString);
        app->AddDocTemplate(failing);
        EXPECT_EQ(failing->OpenDocumentFile(nullptr), nullptr);
        EXPECT_EQ(failing->GetFirstDocPosition(), nullptr);
        EXPECT_EQ(CDvDoc::alive, aliveBefore) << "the document made for the attempt is deleted";
        EXPECT_EQ(mainFrame->MDIGetActive(), nullptr);
        EXPECT_EQ(::GetWindow(mainFrame->m_hWndMDIClient, GW_CHILD), nullptr);
    }
}

TEST_F(DocViewTest, FileNewOpensFromTheFirstTemplateAndClosingTheAppClosesItsDocuments)
{
    mainFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_EQ(DocumentCount(), 1);
    app->CloseAllDocuments(FALSE);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(::GetWindow(mainFrame->m_hWndMDIClient, GW_CHILD), nullptr);
}

TEST_F(DocViewTest, WithoutAGivenStringTheTemplateAndFrameTakeTheirStringResources)
{
    platform::ResourceTable resources("docview");
    resources.AddString(77, "Window\nFromResources\nFromResources");
    platform::ResourceScope scope(resources.Handle());

    auto* fromResources = new CMultiDocTemplate(77, RUNTIME_CLASS(CDvDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                RUNTIME_CLASS(CDvView));
    app->AddDocTemplate(fromResources);
    CString field;
    ASSERT_TRUE(fromResources->GetDocString(field, CDocTemplate::docName));
    EXPECT_EQ(field, "FromResources");
    EXPECT_FALSE(fromResources->GetDocString(field, CDocTemplate::filterExt));
    CDocument* doc = fromResources->OpenDocumentFile(nullptr);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle(), "FromResources1");

    auto* frame = new CMDIFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(77));
    EXPECT_EQ(Caption(frame), "Window");
    frame->DestroyWindow();
}
