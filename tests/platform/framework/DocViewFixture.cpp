#include "DocViewFixture.h"

namespace docview {

IMPLEMENT_DYNCREATE(CDvDoc, CDocument)
IMPLEMENT_DYNCREATE(CDvView, CView)

} // namespace docview
