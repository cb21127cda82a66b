#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/core/Collections.h"

namespace {

std::vector<std::pair<std::string, std::string>> entries(const CMapStringToString& map)
{
    std::vector<std::pair<std::string, std::string>> out;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        out.emplace_back(key.str(), value.str());
    }
    return out;
}

} // namespace

TEST(CMapStringToString, IteratesInInsertionOrderAcrossRemovals)
{
    CMapStringToString map;
    map.SetAt("b", "1");
    map.SetAt("a", "2");
    map.SetAt("c", "3");
    map.SetAt("b", "4"); // overwriting keeps the place
    EXPECT_TRUE(map.RemoveKey("a"));
    EXPECT_FALSE(map.RemoveKey("a"));
    map.SetAt("a", "5"); // a key set again goes to the end
    using E = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(entries(map), (E{{"b", "4"}, {"c", "3"}, {"a", "5"}}));
    EXPECT_EQ(map.GetCount(), 3);
}

TEST(CMapStringToString, FindOrInsertAddsAnEmptyEntry)
{
    CMapStringToString map;
    CString value = "untouched";
    EXPECT_FALSE(map.Lookup("LastError", value));
    EXPECT_EQ(value, "untouched");
    EXPECT_TRUE(map["LastError"].IsEmpty());
    EXPECT_TRUE(map.Lookup("LastError", value));
    EXPECT_EQ(value, "");
    map["Count"] = "3";
    EXPECT_EQ(map["Count"], "3");
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CMapStringToString, KeysAreExactBytes)
{
    CMapStringToString map;
    map["Name"] = "x";
    CString value;
    EXPECT_FALSE(map.Lookup("name", value));
    EXPECT_FALSE(map.Lookup("Name ", value));
    const CMapStringToString copy(map);
    EXPECT_TRUE(copy.Lookup("Name", value));
    // A key is a C text whichever way it is given: it ends at a zero byte.
    map[CString("Turn\0x", 6)] = "7";
    EXPECT_TRUE(map.Lookup("Turn", value));
    EXPECT_EQ(value, "7");
    EXPECT_TRUE(map.RemoveKey("Turn"));
    EXPECT_EQ(map.GetCount(), 1);
}

TEST(CMapStringToOb, HoldsPointersWithoutOwningThem)
{
    CStringArray owned;
    CMapStringToOb map;
    map.SetAt("x", &owned);
    CStringArray* found = nullptr;
    ASSERT_TRUE(map.Lookup("x", found));
    EXPECT_EQ(found, &owned);
    map.RemoveAll();
    EXPECT_EQ(owned.GetSize(), 0);
}

TEST(CStringList, KeepsOrderAndPositions)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION c = list.AddTail("c");
    list.InsertBefore(c, "bb");
    std::vector<std::string> seen;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        seen.push_back(list.GetNext(pos).str());
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b", "bb", "c"}));
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), "bb");
    EXPECT_EQ(list.RemoveHead(), "a");
    EXPECT_EQ(list.RemoveTail(), "c");
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_NE(list.Find("bb"), nullptr);
}

TEST(CStringArray, InsertsRemovesAndCopies)
{
    CStringArray array;
    array.Add("x");
    array.InsertAt(0, CString("w"));
    array.SetAtGrow(3, CString("z"));
    EXPECT_EQ(array.GetSize(), 4);
    EXPECT_EQ(array[0], "w");
    EXPECT_EQ(array[2], "");
    array.RemoveAt(1, 2);
    CStringArray copy = array;
    EXPECT_EQ(copy.GetSize(), 2);
    EXPECT_EQ(copy[1], "z");
    CDWordArray numbers;
    numbers.Add(7);
    numbers.InsertAt(0, 3u, 2);
    EXPECT_EQ(numbers.GetSize(), 3);
    EXPECT_EQ(numbers[2], 7u);
}

// The arrays keep their first few elements inside themselves and move to the heap beyond them:
// random edits, compared with a plain vector, cross that boundary both ways many times.
TEST(CStringArray, EditsAcrossItsInlineRoomMatchAPlainVector)
{
    std::mt19937 random(11);
    CStringArray array;
    CDWordArray numbers;
    std::vector<std::string> model;
    for (int step = 0; step < 4000; ++step) {
        const int size = int(model.size());
        const int at = size ? int(random() % (size + 1)) : 0;
        const std::string text(random() % 20, char('a' + step % 26));
        switch (random() % 6) {
        case 0:
        case 1:
            array.Add(text.c_str());
            numbers.Add(DWORD(text.size()));
            model.push_back(text);
            break;
        case 2: {
            const int count = int(random() % 3) + 1;
            array.InsertAt(at, CString(text.c_str()), count);
            numbers.InsertAt(at, DWORD(text.size()), count);
            model.insert(model.begin() + at, size_t(count), text);
            break;
        }
        case 3:
            if (at < size) {
                const int count = std::min(int(random() % 4) + 1, size - at);
                array.RemoveAt(at, count);
                numbers.RemoveAt(at, count);
                model.erase(model.begin() + at, model.begin() + at + count);
            }
            break;
        case 4:
            // An element of the array itself, inserted into it.
            if (size) {
                array.InsertAt(at, array[size - 1]);
                numbers.InsertAt(at, numbers[size - 1]);
                model.insert(model.begin() + at, std::string(model[size - 1]));
            }
            break;
        case 5: {
            const CStringArray copy(array);
            array.RemoveAll();
            array.Append(copy);
            const int keep = int(random() % 9);
            if (keep < size) {
                array.SetSize(keep);
                numbers.SetSize(keep);
                model.resize(size_t(keep));
            }
            break;
        }
        }
        ASSERT_EQ(array.GetSize(), int(model.size())) << "step " << step;
        ASSERT_EQ(numbers.GetSize(), int(model.size())) << "step " << step;
        for (int k = 0; k < array.GetSize(); ++k) {
            ASSERT_EQ(array[k].str(), model[size_t(k)]) << "step " << step << " element " << k;
            ASSERT_EQ(numbers[k], DWORD(model[size_t(k)].size())) << "step " << step << " element " << k;
        }
    }
}
