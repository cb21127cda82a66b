#include "DialogTestSupport.h"
#include "platform/framework/ModuleState.h"
#include "platform/gdi/Bitmap.h"

using namespace dialogtest;

namespace {

// A 1 x 1 picture, 24 bits a pixel.
const unsigned char kOnePixelBmp[] = {
    'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                              // file header
    40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, // info header
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                           //
    0, 0, 255, 0,                                                             // one red pixel
};

TEST_F(DialogFixture, ResourcesOfTheCurrentModuleAreFoundByIdAndOthersAreNot)
{
    // A table that is a global of the program answers for the program's instance handle, where
    // the program's resources are looked up unless a module says otherwise.
    static platform::ResourceTable program("test program");
    program.AddDialog(136, TreatyOptionsTemplate());
    program.AddString(7, "Pact warnings");
    program.AddBitmap(141, kOnePixelBmp, sizeof kOnePixelBmp);
    platform::ResourceTable other("other module");
    other.AddString(8, "Elsewhere");

    EXPECT_EQ(program.Handle(), AfxGetInstanceHandle());
    EXPECT_NE(platform::FindDialogTemplate(136), nullptr);
    EXPECT_EQ(platform::LoadResourceString(7), CString("Pact warnings"));
    EXPECT_EQ(platform::LoadResourceString(8), std::nullopt);
    char text[8];
    EXPECT_EQ(LoadString(AfxGetResourceHandle(), 7, text, sizeof text), 7);
    EXPECT_STREQ(text, "Pact wa");
    CBitmap picture;
    EXPECT_TRUE(picture.LoadBitmap(141));
    EXPECT_EQ(picture.GetSize(), CSize(1, 1));
    driver.QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox(7, MB_YESNO), IDYES);
    EXPECT_TRUE(driver.LogContains("Pact warnings -> IDYES"));

    {
        platform::ResourceScope scope(other.Handle());
        EXPECT_EQ(platform::LoadResourceString(8), CString("Elsewhere"));
        EXPECT_EQ(platform::FindDialogTemplate(136), nullptr);
        CDialog notHere(136);
        EXPECT_EQ(notHere.DoModal(), -1);
    }
    CDialog here(136);
    driver.ClickButton(IDOK);
    EXPECT_EQ(here.DoModal(), IDOK);
}

} // namespace
