// The printer of a headless desktop: one default printer of fixed page size, and the finished
// print jobs, which wait here until the host or a test takes them (to save their pages as PNG).
#pragma once

#include <vector>

#include "../core/String.h"
#include "PrintJob.h"

namespace platform {

struct PLATFORM_API PrinterSettings {
    CString name = "Default printer";
    // Letter paper at 100 dots per inch; the whole page is printable.
    int dpi = 100;
    int width = 850;
    int height = 1100;
};

class PLATFORM_API PrintSpooler {
public:
    static PrintSpooler& Instance();

    const PrinterSettings& Printer() const { return m_printer; }
    void SetPrinter(const PrinterSettings& printer) { m_printer = printer; }

    void Add(PrintJob job);
    const std::vector<PrintJob>& Jobs() const { return m_jobs; }
    // Hands over the waiting jobs and forgets them.
    std::vector<PrintJob> Take();
    // Back to the default printer and no jobs.
    void Reset();

private:
    PrinterSettings m_printer;
    std::vector<PrintJob> m_jobs;
};

} // namespace platform
