#include <filesystem>

#include "DocViewFixture.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/framework/PrintInfo.h"
#include "platform/framework/PrintLoop.h"
#include "platform/gdi/Png.h"
#include "platform/win/EventLog.h"

using namespace docview;

namespace {

const COLORREF kPageColours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 160, 0)};

struct PrintedPage {
    UINT current, maximum;
    CRect drawing;
    BOOL printing, preview, direct;
};

// A view of a given number of pages (set when printing begins, as a view that counts its pages
// does), each marked with its own colour in its top-left corner.
class CDvPrintView : public CView {
    DECLARE_DYNCREATE(CDvPrintView)
public:
    static inline UINT pageCount = 2;
    static inline BOOL refuse = FALSE;
    static inline BOOL neverStops = FALSE;
    static inline std::vector<std::string> steps;
    static inline std::vector<PrintedPage> printed;

    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override
    {
        steps.push_back("prepare");
        return refuse ? FALSE : DoPreparePrinting(info);
    }
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override
    {
        steps.push_back(dc->IsPrinting() ? "begin on a printer" : "begin");
        info->SetMaxPage(pageCount);
    }
    void OnPrepareDC(CDC* dc, CPrintInfo* info) override
    {
        CView::OnPrepareDC(dc, info);
        if (info && neverStops)
            info->m_bContinuePrinting = TRUE;
    }
    void OnPrint(CDC* dc, CPrintInfo* info) override
    {
        printed.push_back({info->m_nCurPage, info->GetMaxPage(), info->m_rectDraw, dc->IsPrinting(), info->m_bPreview,
                           info->m_bDirect});
        const CRect mark(0, 0, 100, 100);
        dc->FillSolidRect(&mark, kPageColours[(info->m_nCurPage - 1) % 3]);
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { steps.push_back("end"); }
};

IMPLEMENT_DYNCREATE(CDvPrintView, CView)

class PrintTest : public DocViewTest {
protected:
    void SetUp() override
    {
        DocViewTest::SetUp();
        CDvPrintView::pageCount = 2;
        CDvPrintView::refuse = CDvPrintView::neverStops = FALSE;
        CDvPrintView::steps.clear();
        CDvPrintView::printed.clear();
        printTemplate = new CMultiDocTemplate(2, RUNTIME_CLASS(CDvDoc), RUNTIME_CLASS(CMDIChildWnd),
                                              RUNTIME_CLASS(CDvPrintView), kDocString);
        app->AddDocTemplate(printTemplate);
    }
    CView* OpenPrintView()
    {
        CDocument* doc = printTemplate->OpenDocumentFile(nullptr);
        if (!doc)
            return nullptr;
        doc->SetTitle("Report");
        POSITION pos = doc->GetFirstViewPosition();
        return doc->GetNextView(pos);
    }
    CMultiDocTemplate* printTemplate = nullptr;
};

COLORREF PagePixel(const platform::Surface& page, int x, int y)
{
    const uint32_t p = page.Row(y)[x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

} // namespace

TEST_F(PrintTest, EachPrintCommandPrintsEveryPageOnThePrinterSurfaces)
{
    struct Case {
        UINT command;
        platform::PrintMode mode;
        BOOL direct, preview;
    };
    const Case cases[] = {
        {ID_FILE_PRINT, platform::PrintMode::Print, FALSE, FALSE},
        {ID_FILE_PRINT_DIRECT, platform::PrintMode::Direct, TRUE, FALSE},
        {ID_FILE_PRINT_PREVIEW, platform::PrintMode::Preview, FALSE, TRUE},
    };
    ASSERT_NE(OpenPrintView(), nullptr);
    const platform::PrinterSettings& printer = platform::PrintSpooler::Instance().Printer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        CDvPrintView::steps.clear();
        CDvPrintView::printed.clear();
        // The command reaches the view through the main frame and its active child.
        mainFrame->SendMessage(WM_COMMAND, c.command);

        const std::vector<std::string> steps = {"prepare", "begin on a printer", "end"};
        EXPECT_EQ(CDvPrintView::steps, steps);
        ASSERT_EQ(CDvPrintView::printed.size(), 2u);
        for (UINT i = 0; i < 2; ++i) {
            const PrintedPage& page = CDvPrintView::printed[i];
            EXPECT_EQ(page.current, i + 1);
            EXPECT_EQ(page.maximum, 2u);
            EXPECT_EQ(page.drawing, CRect(0, 0, printer.width, printer.height));
            EXPECT_TRUE(page.printing);
            EXPECT_EQ(page.preview, c.preview);
            EXPECT_EQ(page.direct, c.direct);
        }

        std::vector<platform::PrintJob> jobs = platform::PrintSpooler::Instance().Take();
        ASSERT_EQ(jobs.size(), 1u);
        const platform::PrintJob& job = jobs[0];
        EXPECT_TRUE(job.prepared);
        EXPECT_EQ(job.mode, c.mode);
        EXPECT_EQ(job.documentName, "Report");
        EXPECT_EQ(job.dpi, printer.dpi);
        ASSERT_EQ(job.pages.size(), 2u);
        EXPECT_EQ(job.pageNumbers, (std::vector<UINT>{1, 2}));
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(job.pages[i].width, printer.width);
            EXPECT_EQ(job.pages[i].height, printer.height);
            // Each page holds its own mark only: the page was emptied before it was printed.
            EXPECT_EQ(PagePixel(job.pages[i], 50, 50), kPageColours[i]);
            EXPECT_EQ(PagePixel(job.pages[i], 150, 150), RGB(255, 255, 255));
        }
    }
}

TEST_F(PrintTest, PrintedPagesAreSavedAsPngFiles)
{
    ASSERT_NE(OpenPrintView(), nullptr);
    mainFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    std::vector<platform::PrintJob> jobs = platform::PrintSpooler::Instance().Take();
    ASSERT_EQ(jobs.size(), 1u);
    const std::string stem = ::testing::TempDir() + "docview-print";
    ASSERT_TRUE(jobs[0].SavePages(stem));
    for (int page = 1; page <= 2; ++page) {
        platform::Surface read;
        ASSERT_TRUE(platform::ReadPng((stem + "-" + std::to_string(page) + ".png").c_str(), read));
        EXPECT_EQ(read.pixels, jobs[0].pages[page - 1].pixels);
        std::filesystem::remove(stem + "-" + std::to_string(page) + ".png");
    }
}

TEST_F(PrintTest, AViewWithoutAPageCountPrintsItsDrawingOnOnePage)
{
    CDvDoc* doc = Open("plain", RGB(0, 128, 0));
    ASSERT_NE(doc, nullptr);
    mainFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    std::vector<platform::PrintJob> jobs = platform::PrintSpooler::Instance().Take();
    ASSERT_EQ(jobs.size(), 1u);
    ASSERT_EQ(jobs[0].pages.size(), 1u);
    // OnDraw filled the view's client area, which is smaller than the page.
    CRect client;
    ViewOf(doc)->GetClientRect(&client);
    EXPECT_EQ(PagePixel(jobs[0].pages[0], 5, 5), RGB(0, 128, 0));
    EXPECT_EQ(PagePixel(jobs[0].pages[0], client.right + 5, client.bottom + 5), RGB(255, 255, 255));
}

TEST_F(PrintTest, ARefusedPreparationPrintsNothing)
{
    CView* view = OpenPrintView();
    ASSERT_NE(view, nullptr);
    CDvPrintView::refuse = TRUE;
    const platform::PrintJob job = platform::PrintView(*view, platform::PrintMode::Print);
    EXPECT_FALSE(job.prepared);
    EXPECT_TRUE(job.pages.empty());
    EXPECT_EQ(CDvPrintView::steps, std::vector<std::string>{"prepare"});
    EXPECT_TRUE(platform::EventLog::Instance().Contains("print of \"Report\": cancelled"));
}

TEST_F(PrintTest, AViewThatNeverStopsIsStoppedAtTheLargestJob)
{
    platform::PrinterSettings tiny;
    tiny.width = tiny.height = 8;
    platform::PrintSpooler::Instance().SetPrinter(tiny);
    CView* view = OpenPrintView();
    ASSERT_NE(view, nullptr);
    CDvPrintView::pageCount = 0xFFFF;
    CDvPrintView::neverStops = TRUE;
    const platform::PrintJob job = platform::PrintView(*view, platform::PrintMode::Direct);
    EXPECT_EQ(job.pages.size(), std::size_t(platform::kMaxPagesPerJob));
    EXPECT_EQ(CDvPrintView::steps.back(), "end");
    EXPECT_TRUE(platform::EventLog::Instance().Contains("stopped after"));
}
