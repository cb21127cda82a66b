#include <cxxabi.h>
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/core/Collections.h"

namespace {

// The names a shared library makes visible: its defined global and weak dynamic symbols.
std::set<std::string> exportedNames(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(file.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + header->e_shoff);
    std::set<std::string> names;
    for (int i = 0; i < header->e_shnum; ++i) {
        if (sections[i].sh_type != SHT_DYNSYM)
            continue;
        const char* strings = file.data() + sections[sections[i].sh_link].sh_offset;
        const auto* symbols = reinterpret_cast<const Elf64_Sym*>(file.data() + sections[i].sh_offset);
        for (size_t k = 0; k < sections[i].sh_size / sizeof(Elf64_Sym); ++k) {
            const int binding = ELF64_ST_BIND(symbols[k].st_info);
            if (symbols[k].st_shndx != SHN_UNDEF && (binding == STB_GLOBAL || binding == STB_WEAK))
                names.insert(strings + symbols[k].st_name);
        }
    }
    return names;
}

std::string demangled(const std::string& name)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> text(abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status), std::free);
    return status == 0 ? text.get() : name;
}

struct Entry {
    const char* signature;  // as the decorated name reads when demangled
    bool plain;             // also exported under the bare name
};

void checkExports(const std::string& library, const std::vector<Entry>& table)
{
    const std::string path = std::string(PLUGIN_DIR) + "/" + library;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    std::set<std::string> expected;
    const std::set<std::string> visible = exportedNames(path);
    for (const auto& entry : table) {
        const std::string bare = std::string(entry.signature).substr(0, std::strcspn(entry.signature, "("));
        std::string decorated;
        for (const auto& name : visible)
            if (name.rfind("_Z", 0) == 0 && demangled(name) == entry.signature)
                decorated = name;
        ASSERT_FALSE(decorated.empty()) << library << " lacks " << entry.signature;
        void* byDecorated = dlsym(handle, decorated.c_str());
        EXPECT_NE(byDecorated, nullptr) << decorated;
        expected.insert(decorated);
        if (entry.plain) {
            EXPECT_EQ(dlsym(handle, bare.c_str()), byDecorated) << library << ": " << bare;
            expected.insert(bare);
        }
    }
    EXPECT_EQ(visible, expected) << library << " exports more or less than its entry points";
    dlclose(handle);
}

} // namespace

TEST(PluginExports, AllyledgerExportsThirteenEntryPointsUnderBothNames)
{
    checkExports("libAllyledger.so", {{"OnLoad()", true},
                                      {"OnInitialize(CMapStringToString&)", true},
                                      {"OnClose()", true},
                                      {"OnGamesListModified(CMapStringToString&)", true},
                                      {"OnReportLoaded(CMapStringToString&)", true},
                                      {"OnUserCommand(CMapStringToString&)", true},
                                      {"OnPlanetChanged(CMapStringToString&)", true},
                                      {"OnAbout(CMapStringToString&)", true},
                                      {"OnTableProcessor(CMapStringToString&, CStringArray&)", true},
                                      {"OnCallFunction(CMapStringToString&, CStringArray&)", true},
                                      {"OnActivate(CMapStringToString&)", true},
                                      {"CreateConfig(CMapStringToString&)", true},
                                      {"OnOK(CMapStringToString&)", true}});
}

TEST(PluginExports, GrowthmarkExportsFourteenEntryPointsSevenOfThemPlain)
{
    checkExports("libGrowthmark.so", {{"OnLoad()", true},
                                      {"OnInitialize(CMapStringToString&)", true},
                                      {"OnClose()", false},
                                      {"OnDataChanged(CMapStringToString&)", true},
                                      {"OnGamesListModified(CMapStringToString&)", false},
                                      {"OnTurnChanged(CMapStringToString&)", false},
                                      {"OnReportLoaded(CMapStringToString&)", false},
                                      {"OnUserCommand(CMapStringToString&)", true},
                                      {"OnPlanetChanged(CMapStringToString&)", true},
                                      {"OnAbout(CMapStringToString&)", false},
                                      {"OnTableProcessor(CMapStringToString&, CStringArray&)", false},
                                      {"OnTableFilter(CMapStringToString&, CStringArray&)", false},
                                      {"CreateConfig(CMapStringToString&)", true},
                                      {"OnOK(CMapStringToString&)", true}});
}

TEST(PluginExports, AllyledgerAboutSetsItsFiveKeysAndKeepsTheRest)
{
    void* handle = dlopen((std::string(PLUGIN_DIR) + "/libAllyledger.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    auto onAbout = reinterpret_cast<void (*)(CMapStringToString&)>(dlsym(handle, "OnAbout"));
    ASSERT_NE(onAbout, nullptr);
    CMapStringToString map;
    map["Name"] = "someone else";
    map["Host"] = "kept";
    onAbout(map);
    EXPECT_EQ(map["Name"], "Allyledger");
    EXPECT_EQ(map["Author"], "Vellmor");
    EXPECT_EQ(map["Version"], "v.2.2");
    EXPECT_EQ(map["Date"], "09/05/2001");
    // "Treaty register" in code page 1251 bytes.
    EXPECT_EQ(map["Description"], "\xD0\xE5\xE3\xE8\xF1\xF2\xF0\xE0\xF2\xEE\xF0 \xE4\xEE\xE3\xEE\xE2\xEE\xF0\xEE\xE2");
    EXPECT_EQ(map["Host"], "kept");
    EXPECT_EQ(map.GetCount(), 6);
    dlclose(handle);
}
