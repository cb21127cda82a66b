#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/SettingsStore.h"

TEST(SettingsStore, AnyNameAndValueComeBackExactly)
{
    const auto path = (std::filesystem::temp_directory_path() / "settings-store-test.settings").string();
    std::filesystem::remove(path);
    const std::pair<std::string, std::string> values[] = {
        {"Allyledger\\DefLen", "10"},
        {"Allyledger\\Conditions\\0\\string", "line one\nline two\r\nC:\\path\\"},
        {"a=b", "=x=\\n"},
        {"empty", ""},
    };
    {
        refhost::SettingsStore store(path);
        ASSERT_FALSE(store.Load());
        for (const auto& [name, value] : values)
            store.Set(name, value);
        ASSERT_FALSE(store.Save());
    }
    refhost::SettingsStore again(path);
    ASSERT_FALSE(again.Load());
    for (const auto& [name, value] : values)
        EXPECT_EQ(again.Get(name), value) << name;
    EXPECT_EQ(again.All().size(), std::size(values));
}

TEST(SettingsStore, ALineWithoutEqualsSignIsReported)
{
    const auto path = (std::filesystem::temp_directory_path() / "settings-store-bad.settings").string();
    std::ofstream(path) << "good=1\nno separator here\n";
    refhost::SettingsStore store(path);
    const auto problem = store.Load();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find(":2:"), std::string::npos);
}
