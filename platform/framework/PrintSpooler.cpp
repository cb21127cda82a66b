#include "PrintSpooler.h"

#include <utility>

#include "../gdi/Png.h"

namespace platform {

BOOL PrintJob::SavePages(const std::string& stem) const
{
    BOOL written = TRUE;
    for (std::size_t i = 0; i < pages.size(); ++i)
        written = WritePng(pages[i], (stem + "-" + std::to_string(pageNumbers[i]) + ".png").c_str()) && written;
    return written;
}

PrintSpooler& PrintSpooler::Instance()
{
    static PrintSpooler spooler;
    return spooler;
}

void PrintSpooler::Add(PrintJob job) { m_jobs.push_back(std::move(job)); }

std::vector<PrintJob> PrintSpooler::Take() { return std::exchange(m_jobs, {}); }

void PrintSpooler::Reset()
{
    m_printer = PrinterSettings();
    m_jobs.clear();
}

} // namespace platform
