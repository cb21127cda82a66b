// The print loop of a view, as the print commands run it: preparation (OnPreparePrinting), begin
// (OnBeginPrinting), for each page OnPrepareDC and OnPrint with the current page, the page range
// and the page's drawing rectangle, then end (OnEndPrinting). Pages are drawn on the default
// printer's page surface (its context answers IsPrinting() with TRUE) and copied into the job.
#pragma once

#include "PrintJob.h"

class CView;

namespace platform {

// No real document has this many pages; a view that never stops printing is stopped here.
inline constexpr UINT kMaxPagesPerJob = 250;

PLATFORM_API PrintJob PrintView(CView& view, PrintMode mode);

} // namespace platform
