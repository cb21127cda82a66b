// CPrintDialog: the choice of printer and page range for a print job. Nobody sits at the screen
// to answer a dialog, so DoModal takes the default printer (the spooler's, PrintSpooler.h) at
// once and answers IDOK. The printer context it makes draws into one page surface, which the
// print loop empties before each page.
#pragma once

#include <memory>

#include "../core/Object.h"
#include "../core/String.h"
#include "../gdi/Surface.h"
#include "../win/WinTypes.h"

class CDC;
class CWnd;

struct PRINTDLG {
    DWORD lStructSize = sizeof(PRINTDLG);
    HWND hwndOwner = nullptr;
    HDC hDC = nullptr;
    DWORD Flags = 0;
    WORD nFromPage = 0;
    WORD nToPage = 0;
    WORD nMinPage = 0;
    WORD nMaxPage = 0;
    WORD nCopies = 1;
};
typedef PRINTDLG* LPPRINTDLG;

#define PD_ALLPAGES 0x00000000
#define PD_SELECTION 0x00000001
#define PD_PAGENUMS 0x00000002
#define PD_NOSELECTION 0x00000004
#define PD_NOPAGENUMS 0x00000008
#define PD_RETURNDC 0x00000100
#define PD_RETURNDEFAULT 0x00000400
#define PD_USEDEVMODECOPIES 0x00040000
#define PD_HIDEPRINTTOFILE 0x00100000

class PLATFORM_API CPrintDialog : public CObject {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // The default printer is chosen, with the whole page range; IDOK.
    INT_PTR DoModal();
    BOOL GetDefaults();
    // The printer context (made on first use); the dialog owns it.
    HDC GetPrinterDC() const;
    HDC CreatePrinterDC();
    CString GetDeviceName() const;

    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }
    int GetCopies() const { return m_pd.nCopies; }

    // The page the printer context draws on.
    platform::Surface* PageSurface() { return &m_page; }
    int Resolution() const { return m_dpi; }

    PRINTDLG m_pd;

private:
    std::unique_ptr<CDC> m_printer;
    platform::Surface m_page;
    int m_dpi = 0;
    CString m_deviceName;
};
