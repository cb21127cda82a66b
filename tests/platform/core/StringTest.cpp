#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/String.h"

TEST(CString, ExtractsAndSearchesByByteIndex)
{
    const CString text("Alpha/Zorg");
    EXPECT_EQ(text.Find('/'), 5);
    EXPECT_EQ(text.Find("Zorg"), 6);
    EXPECT_EQ(text.Find('/', 6), -1);
    EXPECT_EQ(text.Find("x"), -1);
    EXPECT_EQ(text.ReverseFind('a'), 4);
    EXPECT_EQ(text.Left(5), "Alpha");
    EXPECT_EQ(text.Mid(6), "Zorg");
    EXPECT_EQ(text.Mid(2, 3), "pha");
    EXPECT_EQ(text.Right(4), "Zorg");
    // Counts beyond the text are clamped, not errors.
    EXPECT_EQ(text.Left(99), "Alpha/Zorg");
    EXPECT_EQ(text.Mid(20), "");
    EXPECT_EQ(text.Right(-1), "");
}

TEST(CString, TrimsTheCWhiteSpaceSet)
{
    CString text(" \t\r\n\v\fKrell,10,20 \r\n");
    text.Trim();
    EXPECT_EQ(text, "Krell,10,20");
    CString blank("   ");
    blank.Trim();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(CString, ComparesBytesExactlyOrFoldingCase)
{
    EXPECT_LT(CString("Capital").Compare("capital"), 0);
    EXPECT_EQ(CString("Capital").CompareNoCase("cAPITAL"), 0);
    EXPECT_NE(CString("Capital"), CString("Capital "));
    // Bytes above 127 compare as unsigned, as strcmp does.
    EXPECT_GT(CString("\xA7").Compare("a"), 0);
}

TEST(CString, FormatsWithPrintfRules)
{
    CString text;
    text.Format("Pact with %s will expire at the turn %d (after %d turns)", "Krell", 12, 2);
    EXPECT_EQ(text, "Pact with Krell will expire at the turn 12 (after 2 turns)");
    text.Format("%.2f", -3.5);
    EXPECT_EQ(text, "-3.50");
    text.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(text.GetLength(), 5000);
    text.AppendFormat("%u", 7u);
    EXPECT_EQ(text.Right(2), "x7");
}

TEST(CString, EditsInPlace)
{
    CString text("n/t/n");
    EXPECT_EQ(text.Replace("n", "NN"), 2);
    EXPECT_EQ(text, "NN/t/NN");
    EXPECT_EQ(text.Remove('/'), 2);
    text.MakeUpper();
    EXPECT_EQ(text, "NNTNN");
    text.Insert(2, "-");
    text.Delete(0, 2);
    EXPECT_EQ(text, "-TNN");
    char* buffer = text.GetBuffer(16);
    buffer[0] = 'x';
    buffer[1] = '\0';
    text.ReleaseBuffer();
    EXPECT_EQ(text, "x");
    // The room that GetBuffer adds is zeros, so a text written without its terminator ends.
    CString written;
    std::memcpy(written.GetBuffer(40), "abc", 3);
    written.ReleaseBuffer();
    EXPECT_EQ(written, "abc");
}

// Copies share their characters until one of them changes: every change must leave the other
// copies as they were.
TEST(CString, ChangingACopyLeavesTheOthersAsTheyWere)
{
    struct Case {
        const char* name;
        void (*change)(CString&);
        const char* expected;
    };
    const Case cases[] = {
        {"SetAt", [](CString& s) { s.SetAt(0, 'a'); }, "alpha/Zorg"},
        {"+=", [](CString& s) { s += "!"; }, "Alpha/Zorg!"},
        {"assign", [](CString& s) { s = "Vex"; }, "Vex"},
        {"MakeUpper", [](CString& s) { s.MakeUpper(); }, "ALPHA/ZORG"},
        {"MakeLower", [](CString& s) { s.MakeLower(); }, "alpha/zorg"},
        {"MakeReverse", [](CString& s) { s.MakeReverse(); }, "groZ/ahplA"},
        {"Trim", [](CString& s) { s.Trim("Ag"); }, "lpha/Zor"},
        {"Replace char", [](CString& s) { s.Replace('/', '-'); }, "Alpha-Zorg"},
        {"Replace text", [](CString& s) { s.Replace("Zorg", "Vex"); }, "Alpha/Vex"},
        {"Remove", [](CString& s) { s.Remove('a'); }, "Alph/Zorg"},
        {"Insert", [](CString& s) { s.Insert(5, "!"); }, "Alpha!/Zorg"},
        {"Delete", [](CString& s) { s.Delete(0, 6); }, "Zorg"},
        {"Format", [](CString& s) { s.Format("%d", 7); }, "7"},
        {"AppendFormat", [](CString& s) { s.AppendFormat("%d", 7); }, "Alpha/Zorg7"},
        {"Empty", [](CString& s) { s.Empty(); }, ""},
        {"GetBuffer", [](CString& s) { s.GetBuffer(20)[0] = 'x'; s.ReleaseBuffer(); }, "xlpha/Zorg"},
        {"ReleaseBuffer", [](CString& s) { s.ReleaseBuffer(5); }, "Alpha"},
    };
    for (const Case& c : cases) {
        const CString original("Alpha/Zorg");
        CString copy = original;
        CString second;
        second = copy;
        c.change(copy);
        EXPECT_EQ(copy, c.expected) << c.name;
        EXPECT_EQ(original, "Alpha/Zorg") << c.name;
        EXPECT_EQ(second, "Alpha/Zorg") << c.name;
        EXPECT_EQ(original.GetLength(), 10) << c.name;
    }
}

TEST(CString, TakesTextFromItsOwnCharacters)
{
    CString text("Alpha/Zorg");
    text = text.GetString() + 6;
    EXPECT_EQ(text, "Zorg");
    text += text;
    EXPECT_EQ(text, "ZorgZorg");
    text = text;
    EXPECT_EQ(text, "ZorgZorg");
    text.Format("%s-%s", text.GetString(), text.GetString());
    EXPECT_EQ(text, "ZorgZorg-ZorgZorg");
    CString moved = std::move(text);
    EXPECT_EQ(moved, "ZorgZorg-ZorgZorg");
    EXPECT_TRUE(text.IsEmpty());
    // Bytes after a zero byte are kept and compared.
    const CString withZero("a\0b", 3);
    EXPECT_EQ(withZero.GetLength(), 3);
    EXPECT_NE(withZero, CString("a"));
}
