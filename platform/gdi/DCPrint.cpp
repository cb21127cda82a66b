// The document and page calls of a printer CDC.
#include <algorithm>

#include "DC.h"
#include "DCState.h"

namespace {

constexpr uint32_t paper = 0x00FFFFFFu;

} // namespace

void CDC::SetPageSink(PageSink sink) { m_state->pageSink = std::move(sink); }

int CDC::StartDoc(LPCTSTR)
{
    platform::DcState& s = *m_state;
    if (s.kind != platform::DcKind::Printer || s.inDocument)
        return SP_ERROR;
    s.inDocument = true;
    static int jobs = 0;
    return ++jobs;
}

int CDC::StartPage()
{
    platform::DcState& s = *m_state;
    if (!s.inDocument || s.inPage || !s.surface)
        return SP_ERROR;
    s.inPage = true;
    std::fill(s.surface->pixels.begin(), s.surface->pixels.end(), paper);
    return 1;
}

int CDC::EndPage()
{
    platform::DcState& s = *m_state;
    if (!s.inPage)
        return SP_ERROR;
    s.inPage = false;
    if (s.pageSink && s.surface)
        s.pageSink(*s.surface);
    return 1;
}

int CDC::EndDoc()
{
    platform::DcState& s = *m_state;
    if (!s.inDocument)
        return SP_ERROR;
    if (s.inPage)
        EndPage();
    s.inDocument = false;
    return 1;
}

int CDC::AbortDoc()
{
    platform::DcState& s = *m_state;
    if (!s.inDocument)
        return SP_ERROR;
    s.inDocument = s.inPage = false;
    return 1;
}
