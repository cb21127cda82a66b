#include "WindowTestSupport.h"

#include <cstring>

#include "platform/win/Clipboard.h"

using namespace wintest;

namespace {

using ClipboardTest = WindowSystemTest;

HGLOBAL TextBlock(const char* text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(GlobalLock(memory)), text);
    GlobalUnlock(memory);
    return memory;
}

TEST_F(ClipboardTest, TextMakesARoundTripThroughTheClipboard)
{
    Recorder w("w");
    MakeTop(w, CRect(0, 0, 10, 10));
    ASSERT_TRUE(OpenClipboard(w));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL memory = TextBlock("a\t \tc\nd\te\tf");
    EXPECT_EQ(SetClipboardData(CF_TEXT, memory), memory);
    ASSERT_TRUE(CloseClipboard());

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(GetClipboardOwner(), w.m_hWnd);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "reading needs the clipboard open";
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL read = GetClipboardData(CF_TEXT);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(GlobalSize(read), std::strlen("a\t \tc\nd\te\tf") + 1);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(read)), "a\t \tc\nd\te\tf");
    GlobalUnlock(read);
    EXPECT_EQ(GlobalFree(read), read) << "the clipboard's block is not the reader's to free";
    CloseClipboard();
    EXPECT_EQ(platform::Clipboard::Instance().Text(), std::optional<std::string>("a\t \tc\nd\te\tf"));
}

TEST_F(ClipboardTest, ChangingTheClipboardNeedsItOpenAndAnotherWindowCannotOpenIt)
{
    Recorder a("a"), b("b");
    MakeTop(a, CRect(0, 0, 10, 10));
    MakeTop(b, CRect(0, 0, 10, 10));
    HGLOBAL memory = TextBlock("x");
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, memory), nullptr);
    ASSERT_TRUE(OpenClipboard(a));
    EXPECT_FALSE(OpenClipboard(b));
    EXPECT_EQ(SetClipboardData(CF_TEXT, reinterpret_cast<HGLOBAL>(uintptr_t(0x1234))), nullptr) << "no such block";
    a.DestroyWindow();
    EXPECT_TRUE(OpenClipboard(b)) << "a destroyed window leaves the clipboard closed";
    CloseClipboard();
    EXPECT_EQ(GlobalFree(memory), nullptr);
}

TEST_F(ClipboardTest, GlobalBlocksGrowShrinkAndRefuseUnknownHandles)
{
    HGLOBAL memory = GlobalAlloc(GHND, 4096);
    ASSERT_NE(memory, nullptr);
    char* bytes = static_cast<char*>(GlobalLock(memory));
    EXPECT_EQ(bytes[4095], 0) << "zero-initialised";
    EXPECT_EQ(GlobalReAlloc(memory, 8192, GMEM_MOVEABLE), nullptr) << "a locked block cannot grow";
    EXPECT_FALSE(GlobalUnlock(memory));
    EXPECT_EQ(GlobalReAlloc(memory, 8192, GMEM_MOVEABLE), memory);
    EXPECT_EQ(GlobalReAlloc(memory, 3, GMEM_MOVEABLE), memory);
    EXPECT_EQ(GlobalSize(memory), 3u);
    EXPECT_EQ(GlobalFree(memory), nullptr);
    EXPECT_EQ(GlobalLock(memory), nullptr) << "a freed handle names nothing";
    EXPECT_EQ(GlobalSize(memory), 0u);

    HGLOBAL fixed = GlobalAlloc(GPTR, 8);
    EXPECT_EQ(GlobalLock(fixed), fixed) << "a fixed block's handle is its address";
    GlobalUnlock(fixed);
    GlobalFree(fixed);
}

} // namespace
