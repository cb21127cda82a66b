#include "OleSession.h"

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

// The message box comes with the framework's message boxes; initialising cannot fail before then.
void ReportOleFailure() {}

void OleStop()
{
    if (g_oleInitialisations > 0)
        --g_oleInitialisations;
}

} // namespace grid
