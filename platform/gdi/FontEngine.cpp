#include "FontEngine.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform {

namespace {

enum class Generic { Sans, Serif, Mono };

std::string lowerFaceName(const LOGFONT& lf)
{
    std::string name(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

// The faces the plug-ins ask for by name, and what kind of face stands in for each here.
std::optional<Generic> knownFace(const std::string& name)
{
    static const std::map<std::string_view, Generic> faces = {
        {"", Generic::Sans},
        {"ms sans serif", Generic::Sans},
        {"ms shell dlg", Generic::Sans},
        {"ms shell dlg 2", Generic::Sans},
        {"tahoma", Generic::Sans},
        {"arial", Generic::Sans},
        {"helv", Generic::Sans},
        {"system", Generic::Sans},
        {"times new roman", Generic::Serif},
        {"times", Generic::Serif},
        {"ms serif", Generic::Serif},
        {"tms rmn", Generic::Serif},
        {"courier new", Generic::Mono},
        {"courier", Generic::Mono},
        {"fixedsys", Generic::Mono},
        {"terminal", Generic::Mono},
        {"lucida console", Generic::Mono},
    };
    auto hit = faces.find(name);
    return hit == faces.end() ? std::nullopt : std::optional<Generic>(hit->second);
}

Generic genericOfFamilyBits(const LOGFONT& lf)
{
    const int family = lf.lfPitchAndFamily & 0xF0;
    if (family == FF_ROMAN)
        return Generic::Serif;
    if (family == FF_MODERN || (lf.lfPitchAndFamily & 0x3) == FIXED_PITCH)
        return Generic::Mono;
    return Generic::Sans;
}

// The families to ask fontconfig for, best first. An unknown name is tried as it stands before
// the stand-in of its family bits.
std::vector<std::string> families(const LOGFONT& lf)
{
    const std::string name = lowerFaceName(lf);
    std::vector<std::string> list;
    std::optional<Generic> generic = knownFace(name);
    if (!generic) {
        list.emplace_back(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
        generic = genericOfFamilyBits(lf);
    }
    switch (*generic) {
    case Generic::Sans: list.insert(list.end(), {"DejaVu Sans", "sans-serif"}); break;
    case Generic::Serif: list.insert(list.end(), {"DejaVu Serif", "serif"}); break;
    case Generic::Mono: list.insert(list.end(), {"DejaVu Sans Mono", "monospace"}); break;
    }
    return list;
}

bool wantsBold(const LOGFONT& lf) { return lf.lfWeight >= FW_SEMIBOLD; }

struct Match {
    std::string file;
    int index = 0;
    std::string family;
    bool syntheticBold = false;
    bool syntheticItalic = false;
};

std::optional<Match> matchFace(const std::vector<std::string>& names, const LOGFONT& lf)
{
    FcPattern* pattern = FcPatternCreate();
    for (const std::string& name : names)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    const int weight = lf.lfWeight ? int(lf.lfWeight) : FW_NORMAL;
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight, 1, 1000)));
    FcPatternAddInteger(pattern, FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found)
        return std::nullopt;
    Match match;
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    int matchedWeight = FC_WEIGHT_REGULAR;
    int matchedSlant = FC_SLANT_ROMAN;
    if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch)
        match.file = reinterpret_cast<const char*>(file);
    if (FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch)
        match.family = reinterpret_cast<const char*>(family);
    FcPatternGetInteger(found, FC_INDEX, 0, &match.index);
    FcPatternGetInteger(found, FC_WEIGHT, 0, &matchedWeight);
    FcPatternGetInteger(found, FC_SLANT, 0, &matchedSlant);
    FcPatternDestroy(found);
    if (match.file.empty())
        return std::nullopt;
    match.syntheticBold = wantsBold(lf) && matchedWeight < FC_WEIGHT_DEMIBOLD;
    match.syntheticItalic = lf.lfItalic && matchedSlant == FC_SLANT_ROMAN;
    return match;
}

// Everything of a description that makes a different font, with the device size in place of the
// logical one.
std::string realizeKey(const LOGFONT& lf, int deviceHeight, int deviceWidth)
{
    LOGFONT key = lf;
    key.lfHeight = deviceHeight;
    key.lfWidth = deviceWidth;
    key.lfEscapement = key.lfOrientation = 0;
    const std::size_t nameLength = strnlen(lf.lfFaceName, LF_FACESIZE);
    std::memset(key.lfFaceName, 0, LF_FACESIZE);
    std::memcpy(key.lfFaceName, lf.lfFaceName, nameLength);
    return std::string(reinterpret_cast<const char*>(&key), sizeof key);
}

} // namespace

struct FontEngine::Impl {
    FT_Library library = nullptr;
    bool started = false;
    bool fontconfigReady = false;
    std::unordered_map<std::string, std::optional<Match>> matches;
    std::unordered_map<std::string, FT_Face> faces;
    std::unordered_map<std::string, std::unique_ptr<RealizedFont>> fonts;

    // The libraries start with the first font asked for, as in a program's first paint.
    void Start()
    {
        if (started)
            return;
        started = true;
        if (FT_Init_FreeType(&library) != 0)
            library = nullptr;
        fontconfigReady = FcInit() == FcTrue;
    }

    void Stop()
    {
        fonts.clear();
        for (auto& [file, face] : faces)
            if (face)
                FT_Done_Face(face);
        faces.clear();
        matches.clear();
        if (library)
            FT_Done_FreeType(library);
        library = nullptr;
        if (fontconfigReady)
            FcFini();
        fontconfigReady = false;
        started = false;
    }

    FT_Face OpenFace(const Match& match)
    {
        const std::string key = match.file + '#' + std::to_string(match.index);
        auto [it, added] = faces.try_emplace(key, nullptr);
        if (added && library && FT_New_Face(library, match.file.c_str(), match.index, &it->second) != 0)
            it->second = nullptr;
        return it->second;
    }

    FontFace Resolve(const LOGFONT& lf)
    {
        const std::vector<std::string> names = families(lf);
        std::string key;
        for (const std::string& name : names)
            key += name + '\n';
        key += std::to_string(lf.lfWeight) + (lf.lfItalic ? "i" : "r");
        auto [it, added] = matches.try_emplace(key);
        if (added && fontconfigReady)
            it->second = matchFace(names, lf);
        FontFace face;
        if (!it->second)
            return face;
        face.face = OpenFace(*it->second);
        face.family = it->second->family;
        face.syntheticBold = it->second->syntheticBold;
        face.syntheticItalic = it->second->syntheticItalic;
        return face;
    }
};

FontEngine& FontEngine::Instance()
{
    // Never destroyed: fonts may still be asked for while other statics go away at exit.
    static FontEngine* engine = new FontEngine;
    return *engine;
}

FontEngine::FontEngine() : m_impl(std::make_unique<Impl>()) {}

FontEngine::~FontEngine() { m_impl->Stop(); }

RealizedFont& FontEngine::Realize(const LOGFONT& logFont, int deviceHeight, int deviceWidth)
{
    m_impl->Start();
    auto [it, added] = m_impl->fonts.try_emplace(realizeKey(logFont, deviceHeight, deviceWidth));
    if (added)
        it->second = std::make_unique<RealizedFont>(m_impl->Resolve(logFont), logFont, deviceHeight, deviceWidth);
    return *it->second;
}

void FontEngine::DropCaches()
{
    m_impl->Stop();
    ++m_generation;
}

} // namespace platform
