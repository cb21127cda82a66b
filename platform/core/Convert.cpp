#include "Convert.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {

int32_t ParseInt32(const char* text, const char** end)
{
    char* stop = nullptr;
    const int saved = errno;
    const long long value = std::strtoll(text, &stop, 10);
    errno = saved;
    if (end)
        *end = stop;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return int32_t(value);
}

int32_t AtoI(const char* text) { return text ? ParseInt32(text, nullptr) : 0; }

int32_t AtoL(const char* text) { return AtoI(text); }

int64_t AtoL64(const char* text)
{
    if (!text)
        return 0;
    const int saved = errno;
    const long long value = std::strtoll(text, nullptr, 10);
    errno = saved;
    return value;
}

double AtoF(const char* text)
{
    if (!text)
        return 0.0;
    const int saved = errno;
    const double value = std::strtod(text, nullptr);
    errno = saved;
    return value;
}

} // namespace platform
