#include "PrintDialog.h"

#include "../gdi/DC.h"
#include "../win/WinConstants.h"
#include "PrintSpooler.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CObject)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd*)
{
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? 0 : PD_RETURNDC);
}

CPrintDialog::~CPrintDialog() = default;

INT_PTR CPrintDialog::DoModal() { return GetDefaults() ? IDOK : IDCANCEL; }

BOOL CPrintDialog::GetDefaults()
{
    m_pd.Flags &= ~DWORD(PD_PAGENUMS | PD_SELECTION);
    return CreatePrinterDC() != nullptr;
}

HDC CPrintDialog::GetPrinterDC() const { return m_printer ? m_printer->GetSafeHdc() : nullptr; }

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_printer)
        return m_printer->GetSafeHdc();
    const platform::PrinterSettings& printer = platform::PrintSpooler::Instance().Printer();
    if (printer.width <= 0 || printer.height <= 0 || printer.dpi <= 0)
        return nullptr;
    m_page.Resize(printer.width, printer.height);
    auto dc = std::make_unique<CDC>();
    if (!dc->AttachPrinterSurface(&m_page, printer.dpi))
        return nullptr;
    m_printer = std::move(dc);
    m_dpi = printer.dpi;
    m_deviceName = printer.name;
    m_pd.hDC = m_printer->GetSafeHdc();
    return m_pd.hDC;
}

CString CPrintDialog::GetDeviceName() const { return m_deviceName; }
