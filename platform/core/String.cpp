#include "String.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// The white space set of the C library's isspace in the "C" locale.
constexpr const char* kWhiteSpace = " \t\n\v\f\r";

int clampCount(int count, int available) { return std::clamp(count, 0, std::max(available, 0)); }

int foldedCompare(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const int ca = std::tolower(static_cast<unsigned char>(*a));
        const int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0)
            return ca - cb;
    }
}

} // namespace

int CString::Compare(const char* text) const { return std::strcmp(m_text.c_str(), text ? text : ""); }

int CString::CompareNoCase(const char* text) const { return foldedCompare(m_text.c_str(), text ? text : ""); }

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const auto at = m_text.find(ch, std::size_t(start));
    return at == std::string::npos ? -1 : int(at);
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const auto at = m_text.find(sub ? sub : "", std::size_t(start));
    return at == std::string::npos ? -1 : int(at);
}

int CString::ReverseFind(char ch) const
{
    const auto at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : int(at);
}

int CString::FindOneOf(const char* set) const
{
    const auto at = m_text.find_first_of(set ? set : "");
    return at == std::string::npos ? -1 : int(at);
}

CString CString::Left(int count) const { return CString(m_text.substr(0, std::size_t(clampCount(count, GetLength())))); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    first = clampCount(first, GetLength());
    count = clampCount(count, GetLength() - first);
    return CString(m_text.substr(std::size_t(first), std::size_t(count)));
}

CString CString::Right(int count) const
{
    count = clampCount(count, GetLength());
    return CString(m_text.substr(m_text.size() - std::size_t(count)));
}

CString CString::SpanIncluding(const char* set) const
{
    const auto end = m_text.find_first_not_of(set ? set : "");
    return CString(m_text.substr(0, end));
}

CString CString::SpanExcluding(const char* set) const
{
    const auto end = m_text.find_first_of(set ? set : "");
    return CString(m_text.substr(0, end));
}

CString& CString::MakeUpper()
{
    for (auto& ch : m_text)
        ch = char(std::toupper(static_cast<unsigned char>(ch)));
    return *this;
}

CString& CString::MakeLower()
{
    for (auto& ch : m_text)
        ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }
CString& CString::Trim() { return Trim(kWhiteSpace); }

CString& CString::TrimLeft(const char* set)
{
    m_text.erase(0, std::min(m_text.find_first_not_of(set), m_text.size()));
    return *this;
}

CString& CString::TrimRight(const char* set)
{
    const auto last = m_text.find_last_not_of(set);
    m_text.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::Trim(const char* set) { return TrimRight(set).TrimLeft(set); }

int CString::Replace(char from, char to)
{
    int count = 0;
    for (auto& ch : m_text)
        if (ch == from) {
            ch = to;
            ++count;
        }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    const std::string_view needle(from ? from : "");
    const std::string_view replacement(to ? to : "");
    if (needle.empty())
        return 0;
    int count = 0;
    std::string result;
    std::size_t at = 0;
    for (std::size_t hit; (hit = m_text.find(needle, at)) != std::string::npos; at = hit + needle.size()) {
        result.append(m_text, at, hit - at).append(replacement);
        ++count;
    }
    if (count) {
        result.append(m_text, at);
        m_text = std::move(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    const auto before = m_text.size();
    std::erase(m_text, ch);
    return int(before - m_text.size());
}

int CString::Insert(int index, char ch) { return Insert(index, CString(ch).GetString()); }

int CString::Insert(int index, const char* text)
{
    m_text.insert(std::size_t(clampCount(index, GetLength())), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = clampCount(index, GetLength());
    m_text.erase(std::size_t(index), std::size_t(clampCount(count, GetLength() - index)));
    return GetLength();
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
        return;
    }
    std::string text(std::size_t(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(std::size_t(length));
    m_text = std::move(text);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(std::size_t(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = int(std::strlen(m_text.c_str()));
    m_text.resize(std::size_t(std::min(newLength, GetLength())));
}
