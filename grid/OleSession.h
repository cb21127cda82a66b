// The process's OLE initialisation as the grid sees it: initialised once, shut down by whoever
// initialised it.
#pragma once

namespace grid {

// TRUE when OLE is already initialised in this process (by the application or another grid).
bool OleReady();
// Initialises OLE; false when that fails.
bool OleStart();
void OleStop();
// Tells the user that OLE could not be initialised.
void ReportOleFailure();

inline constexpr char kOleFailedText[] =
    "OLE initialization failed. Make sure that the OLE libraries are the correct version";

} // namespace grid
