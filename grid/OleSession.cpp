#include "OleSession.h"

#include "platform/framework/MessageBox.h"

namespace grid {

namespace {

// How many initialisations are in force; everything runs on the user-interface thread.
int g_oleInitialisations = 0;

} // namespace

bool OleReady() { return g_oleInitialisations > 0; }

bool OleStart()
{
    ++g_oleInitialisations;
    return true;
}

void ReportOleFailure() { AfxMessageBox(kOleFailedText, MB_OK); }

void OleStop()
{
    if (g_oleInitialisations > 0)
        --g_oleInitialisations;
}

} // namespace grid
