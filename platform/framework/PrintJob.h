// What a print job produced: the pages, each a printer surface, in the order they were printed.
#pragma once

#include <string>
#include <vector>

#include "../core/String.h"
#include "../gdi/Surface.h"

namespace platform {

enum class PrintMode {
    Print,   // ID_FILE_PRINT: the standard preparation (its dialog takes the default printer)
    Direct,  // ID_FILE_PRINT_DIRECT: straight to the default printer
    Preview, // ID_FILE_PRINT_PREVIEW: the same pages, printed for looking at (m_bPreview set)
};

struct PLATFORM_API PrintJob {
    CString documentName;
    PrintMode mode = PrintMode::Print;
    // FALSE when the view declined to print (OnPreparePrinting answered FALSE): no pages.
    BOOL prepared = FALSE;
    // The printer's resolution in dots per inch.
    int dpi = 0;
    std::vector<UINT> pageNumbers;
    std::vector<Surface> pages;

    // Writes each page as "<stem>-<page number>.png"; FALSE when a file could not be written.
    BOOL SavePages(const std::string& stem) const;
};

} // namespace platform
