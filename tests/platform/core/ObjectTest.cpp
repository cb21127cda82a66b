#include <gtest/gtest.h>

#include "platform/core/Collections.h"
#include "platform/core/Object.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNCREATE(CShape)
};
class CSquare : public CShape {
    DECLARE_DYNCREATE(CSquare)
};

IMPLEMENT_DYNCREATE(CShape, CObject)
IMPLEMENT_DYNCREATE(CSquare, CShape)

} // namespace

TEST(CRuntimeClass, CreatesAClassByName)
{
    CObject* object = CRuntimeClass::CreateObject("CSquare");
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, "CSquare");
    delete object;
    EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
    // Known but not creatable by name.
    EXPECT_NE(CRuntimeClass::FromName("CStringArray"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CStringArray"), nullptr);
}
