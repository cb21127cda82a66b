#include <functional>

#include "DialogTestSupport.h"
#include "platform/framework/EditControl.h"
#include "platform/gdi/StockObjects.h"

using namespace dialogtest;

namespace {

class ControlEditTest : public DialogFixture {
protected:
    // An edit of the given style in a fresh parent, holding the text and the focus.
    CEdit& MakeEdit(DWORD style, const char* text = "", CRect rect = CRect(10, 10, 210, 34))
    {
        sink.Make();
        edit.Create(WS_VISIBLE | style, rect, &sink, 7);
        edit.SetWindowText(text);
        edit.SetFocus();
        sink.commands.clear();
        return edit;
    }
    std::string Text() const
    {
        CString text;
        edit.GetWindowText(text);
        return text.str();
    }
    std::pair<int, int> Selection() const
    {
        int start = 0, end = 0;
        edit.GetSel(start, end);
        return {start, end};
    }

    NotificationSink sink;
    CEdit edit;
};

TEST_F(ControlEditTest, KeyboardEditing)
{
    using Keys = std::function<void(platform::Automation&)>;
    const struct {
        const char* name;
        DWORD style;
        const char* initial;
        Keys keys;
        const char* text;
        std::pair<int, int> selection;
    } cases[] = {
        {"typing inserts at the caret", ES_AUTOHSCROLL, "ac",
         [](auto& d) { d.Key(VK_HOME), d.Key(VK_RIGHT), d.Type("b"); }, "abc", {2, 2}},
        {"shift and arrows select, typing replaces", ES_AUTOHSCROLL, "hello",
         [](auto& d) { d.Key(VK_END), d.Key(VK_LEFT, MK_SHIFT), d.Key(VK_LEFT, MK_SHIFT), d.Type("p!"); }, "help!", {5, 5}},
        {"backspace and delete", ES_AUTOHSCROLL, "abcd",
         [](auto& d) { d.Key(VK_HOME), d.Key(VK_RIGHT), d.Key(VK_BACK), d.Key(VK_DELETE); }, "cd", {0, 0}},
        {"left with a selection goes to its start", ES_AUTOHSCROLL, "abcd",
         [](auto& d) { d.Key(VK_END), d.Key(VK_HOME, MK_SHIFT), d.Key(VK_LEFT), d.Type("x"); }, "xabcd", {1, 1}},
        {"shift and home select to the start", ES_AUTOHSCROLL, "abc", [](auto& d) { d.Key(VK_END), d.Key(VK_HOME, MK_SHIFT); },
         "abc", {0, 3}},
        {"ctrl and left go to the start of a word", ES_AUTOHSCROLL, "one two",
         [](auto& d) { d.Key(VK_END), d.Key(VK_LEFT, MK_CONTROL), d.Type("x"); }, "one xtwo", {5, 5}},
        {"ctrl+A selects all", ES_AUTOHSCROLL, "text", [](auto& d) { d.Key('A', MK_CONTROL), d.Key(VK_BACK); }, "", {0, 0}},
        {"ctrl+C and ctrl+V", ES_AUTOHSCROLL, "ab",
         [](auto& d) { d.Key('A', MK_CONTROL), d.Key('C', MK_CONTROL), d.Key(VK_END), d.Key('V', MK_CONTROL); }, "abab", {4, 4}},
        {"ctrl+X", ES_AUTOHSCROLL, "abc",
         [](auto& d) { d.Key(VK_HOME), d.Key(VK_RIGHT, MK_SHIFT), d.Key('X', MK_CONTROL), d.Key(VK_END), d.Key('V', MK_CONTROL); },
         "bca", {3, 3}},
        {"digits only", ES_NUMBER | ES_AUTOHSCROLL, "", [](auto& d) { d.Type("a1 b2-"); }, "12", {2, 2}},
        {"letters turned into capitals", ES_UPPERCASE | ES_AUTOHSCROLL, "", [](auto& d) { d.Type("Ab1c"); }, "AB1C", {4, 4}},
        {"a read-only edit takes nothing", ES_READONLY | ES_AUTOHSCROLL, "keep",
         [](auto& d) { d.Type("x"), d.Key(VK_BACK), d.Key('X', MK_CONTROL); }, "keep", {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        driver.Reset();
        MakeEdit(c.style, c.initial);
        c.keys(driver);
        driver.RunUntilIdle();
        EXPECT_EQ(Text(), c.text);
        EXPECT_EQ(Selection(), c.selection);
    }
}

TEST_F(ControlEditTest, TellsItsParentOfFocusAndChanges)
{
    MakeEdit(ES_AUTOHSCROLL);
    sink.SetFocus();
    edit.SetFocus();
    driver.Type("ab");
    driver.RunUntilIdle();
    edit.SetWindowText("xyz");
    sink.SetFocus();

    EXPECT_EQ(sink.commands, (std::vector<std::pair<int, UINT>>{{7, EN_KILLFOCUS},
                                                               {7, EN_SETFOCUS},
                                                               {7, EN_UPDATE},
                                                               {7, EN_CHANGE},
                                                               {7, EN_UPDATE},
                                                               {7, EN_CHANGE},
                                                               {7, EN_UPDATE},
                                                               {7, EN_CHANGE},
                                                               {7, EN_KILLFOCUS}}));
    EXPECT_TRUE(edit.GetModify() == FALSE);
}

TEST_F(ControlEditTest, TextIsHeldToTheLimitAndWithoutAutomaticScrollingToTheWidth)
{
    const struct {
        DWORD style;
        int limit;
        const char* typed;
        const char* kept;
    } cases[] = {
        {ES_AUTOHSCROLL, 3, "abcd", "abc"},
        {ES_AUTOHSCROLL, 0, "wwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwww"},
        {0, 0, "wwwwwwwwwwwwwwww", "wwww"},
    };
    // Room for four letters w and a little more, not for five.
    const int room = 4 * platform::TextMeasure(GetStockObject(DEFAULT_GUI_FONT)).Width("w") + 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        driver.Reset();
        MakeEdit(c.style, "", CRect(10, 10, 10 + 2 * platform::EditControl::kMargin + room, 34));
        if (c.limit)
            edit.LimitText(c.limit);
        driver.Type(c.typed);
        driver.RunUntilIdle();
        EXPECT_EQ(Text(), c.kept);
        EXPECT_EQ(sink.Count(7, EN_MAXTEXT) > 0, std::string(c.kept) != c.typed);
    }
}

TEST_F(ControlEditTest, AlignmentPlacesTheText)
{
    const struct {
        DWORD style;
        int from, to; // where the first dark column may lie, in pixels
    } cases[] = {{ES_LEFT, 0, 4}, {ES_CENTER, 80, 100}, {ES_RIGHT, 160, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        driver.Reset();
        MakeEdit(c.style, "1234");
        sink.SetFocus();
        const platform::Surface picture = platform::Automation::Capture(edit.m_hWnd);
        int first = -1;
        for (int x = 0; x < picture.width && first < 0; ++x)
            for (int y = 0; y < picture.height && first < 0; ++y)
                if ((picture.Row(y)[x] & 0xFF) < 0x80)
                    first = x;
        EXPECT_GE(first, c.from);
        EXPECT_LE(first, c.to);
    }
}

TEST_F(ControlEditTest, PointerPlacesTheCaretAndDraggingSelects)
{
    MakeEdit(ES_AUTOHSCROLL, "abcdef");
    sink.SetFocus();
    const CPoint end = platform::Automation::ToScreen(edit.m_hWnd, CPoint(190, 10));
    const CPoint start = platform::Automation::ToScreen(edit.m_hWnd, CPoint(1, 10));
    driver.Click(end);
    driver.RunUntilIdle();
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
    EXPECT_EQ(Selection(), std::make_pair(6, 6));

    driver.Drag(end, start);
    driver.RunUntilIdle();
    EXPECT_EQ(Selection(), std::make_pair(0, 6));
    driver.Type("z");
    driver.RunUntilIdle();
    EXPECT_EQ(Text(), "z");
}

TEST_F(ControlEditTest, SelectionAndReplacementByMessage)
{
    MakeEdit(ES_AUTOHSCROLL | ES_UPPERCASE, "hello world");
    edit.SetSel(6, -1);
    EXPECT_EQ(Selection(), std::make_pair(6, 11));
    edit.ReplaceSel("there");
    EXPECT_EQ(Text(), "HELLO THERE");
    edit.SetSel(-1, 0);
    EXPECT_EQ(Selection(), std::make_pair(11, 11));
    edit.SetSel(2, 0);
    EXPECT_EQ(Selection(), std::make_pair(0, 2));
}

} // namespace
