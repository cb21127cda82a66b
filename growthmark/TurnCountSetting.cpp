#include "TurnCountSetting.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/core/Convert.h"

namespace growthmark {

int TurnCountFromStored(const CString& stored)
{
    if (stored.IsEmpty())
        return int(kDefaultTurnCount);
    return platform::AtoI(stored);
}

unsigned PageValueFromStored(const CString& stored)
{
    if (stored.IsEmpty())
        return kDefaultTurnCount;
    return unsigned(platform::AtoI(stored));
}

FieldResult CheckTurnCountField(const char* text)
{
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return {FieldCheck::NotUnsigned, 0};
    errno = 0;
    char* end = nullptr;
    const unsigned long long number = std::strtoull(p, &end, 10);
    while (std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (*end != '\0' || errno == ERANGE || number > 0xFFFFFFFFull)
        return {FieldCheck::NotUnsigned, 0};
    const unsigned value = unsigned(number);
    if (value < kFieldLowest || value > kFieldHighest)
        return {FieldCheck::OutOfRange, value};
    return {FieldCheck::Accepted, value};
}

PageLanguage PageLanguageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang)
{
    // The first of these that is set decides, as it does for every program's messages.
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (!value || !*value)
            continue;
        return std::strncmp(value, "ru", 2) == 0 ? PageLanguage::Russian : PageLanguage::English;
    }
    return PageLanguage::English;
}

PageLanguage PageLanguageOfProcess()
{
    return PageLanguageFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

} // namespace growthmark
