#include "String.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

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

int checkedLength(std::size_t length)
{
    if (length > std::size_t(INT32_MAX) - 64)
        throw std::bad_alloc();
    return int(length);
}

} // namespace

constinit CString::EmptyData CString::s_empty = {{0, 0, 0}, {'\0'}};

char* CString::Allocate(int capacity)
{
    static_assert(offsetof(EmptyData, text) == sizeof(Header), "the characters follow their header");
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + std::size_t(capacity) + 1));
    if (!header)
        throw std::bad_alloc();
    *header = Header{1, 0, capacity};
    return reinterpret_cast<char*>(header + 1);
}

void CString::Free(Header* header) noexcept { std::free(header); }

void CString::MakeOwnRoom(int capacity, int keep)
{
    Header* header = GetHeader();
    if (header->owners == 1 && header->capacity >= capacity)
        return;
    char* text = Allocate(std::max(capacity, 1));
    keep = std::min(keep, header->length);
    std::memcpy(text, m_text, std::size_t(keep));
    text[keep] = '\0';
    (reinterpret_cast<Header*>(text) - 1)->length = keep;
    Release();
    m_text = text;
}

void CString::SetLength(int length)
{
    GetHeader()->length = length;
    m_text[length] = '\0';
}

CString::CString(const char* text) : m_text(EmptyText())
{
    if (text)
        Assign(text, std::strlen(text));
}

CString::CString(const char* text, int length) : m_text(EmptyText())
{
    if (text && length > 0)
        Assign(text, std::size_t(length));
}

CString::CString(char ch, int repeat) : m_text(EmptyText())
{
    if (repeat <= 0)
        return;
    MakeOwnRoom(repeat, 0);
    std::memset(m_text, ch, std::size_t(repeat));
    SetLength(repeat);
}

CString::CString(std::string_view text) : m_text(EmptyText()) { Assign(text.data(), text.size()); }

CString& CString::operator=(const CString& other) noexcept
{
    if (m_text != other.m_text) {
        other.AddOwner();
        Release();
        m_text = other.m_text;
    }
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        Release();
        m_text = other.m_text;
        other.m_text = EmptyText();
    }
    return *this;
}

CString& CString::operator=(const char* text) { return text ? Assign(text, std::strlen(text)) : Assign("", 0); }

CString& CString::operator+=(const char* text) { return text ? Append(text) : *this; }

CString& CString::Assign(const char* text, std::size_t length)
{
    const int size = checkedLength(length);
    if (size == 0) {
        Empty();
        return *this;
    }
    Header* header = GetHeader();
    if (header->owners == 1 && header->capacity >= size) {
        // The text may lie within this string's own characters.
        std::memmove(m_text, text, length);
    } else {
        char* fresh = Allocate(size);
        std::memcpy(fresh, text, length);
        Release();
        m_text = fresh;
    }
    SetLength(size);
    return *this;
}

CString& CString::Append(std::string_view text)
{
    if (text.empty())
        return *this;
    const int length = GetLength();
    const int size = checkedLength(std::size_t(length) + text.size());
    Header* header = GetHeader();
    if (header->owners == 1 && header->capacity >= size) {
        std::memmove(m_text + length, text.data(), text.size());
    } else {
        // Grown by half again at least, so that appending in a loop stays linear.
        char* fresh = Allocate(std::max(size, checkedLength(std::size_t(length) * 3 / 2)));
        std::memcpy(fresh, m_text, std::size_t(length));
        std::memcpy(fresh + length, text.data(), text.size());
        Release();
        m_text = fresh;
    }
    SetLength(size);
    return *this;
}

CString CString::Concat(std::string_view a, std::string_view b)
{
    CString result;
    const int size = checkedLength(a.size() + b.size());
    if (size == 0)
        return result;
    result.MakeOwnRoom(size, 0);
    std::memcpy(result.m_text, a.data(), a.size());
    std::memcpy(result.m_text + a.size(), b.data(), b.size());
    result.SetLength(size);
    return result;
}

void CString::Empty()
{
    Release();
    m_text = EmptyText();
}

void CString::SetAt(int index, char ch)
{
    MakeOwn();
    m_text[index] = ch;
}

int CString::Compare(const char* text) const { return std::strcmp(m_text, text ? text : ""); }

int CString::CompareNoCase(const char* text) const { return foldedCompare(m_text, text ? text : ""); }

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const auto at = view().find(ch, std::size_t(start));
    return at == std::string_view::npos ? -1 : int(at);
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const auto at = view().find(sub ? sub : "", std::size_t(start));
    return at == std::string_view::npos ? -1 : int(at);
}

int CString::ReverseFind(char ch) const
{
    const auto at = view().rfind(ch);
    return at == std::string_view::npos ? -1 : int(at);
}

int CString::FindOneOf(const char* set) const
{
    const auto at = view().find_first_of(set ? set : "");
    return at == std::string_view::npos ? -1 : int(at);
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    first = clampCount(first, GetLength());
    count = clampCount(count, GetLength() - first);
    if (count == GetLength())
        return *this;
    return CString(view().substr(std::size_t(first), std::size_t(count)));
}

CString CString::Right(int count) const
{
    count = clampCount(count, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const char* set) const
{
    const auto end = view().find_first_not_of(set ? set : "");
    return Left(end == std::string_view::npos ? GetLength() : int(end));
}

CString CString::SpanExcluding(const char* set) const
{
    const auto end = view().find_first_of(set ? set : "");
    return Left(end == std::string_view::npos ? GetLength() : int(end));
}

CString& CString::MakeUpper()
{
    MakeOwn();
    for (char* ch = m_text; ch < m_text + GetLength(); ++ch)
        *ch = char(std::toupper(static_cast<unsigned char>(*ch)));
    return *this;
}

CString& CString::MakeLower()
{
    MakeOwn();
    for (char* ch = m_text; ch < m_text + GetLength(); ++ch)
        *ch = char(std::tolower(static_cast<unsigned char>(*ch)));
    return *this;
}

CString& CString::MakeReverse()
{
    MakeOwn();
    std::reverse(m_text, m_text + GetLength());
    return *this;
}

CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }
CString& CString::Trim() { return Trim(kWhiteSpace); }

CString& CString::TrimLeft(const char* set)
{
    const auto first = view().find_first_not_of(set ? set : "");
    return Delete(0, first == std::string_view::npos ? GetLength() : int(first)), *this;
}

CString& CString::TrimRight(const char* set)
{
    const auto last = view().find_last_not_of(set ? set : "");
    const int keep = last == std::string_view::npos ? 0 : int(last) + 1;
    return Delete(keep, GetLength() - keep), *this;
}

CString& CString::Trim(const char* set) { return TrimRight(set).TrimLeft(set); }

int CString::Replace(char from, char to)
{
    const int count = int(std::count(m_text, m_text + GetLength(), from));
    if (count == 0)
        return 0;
    MakeOwn();
    std::replace(m_text, m_text + GetLength(), from, to);
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    const std::string_view needle(from ? from : "");
    const std::string_view replacement(to ? to : "");
    if (needle.empty())
        return 0;
    const std::string_view text = view();
    int count = 0;
    std::string result;
    std::size_t at = 0;
    for (std::size_t hit; (hit = text.find(needle, at)) != std::string_view::npos; at = hit + needle.size()) {
        result.append(text, at, hit - at).append(replacement);
        ++count;
    }
    if (count) {
        result.append(text, at);
        Assign(result.data(), result.size());
    }
    return count;
}

int CString::Remove(char ch)
{
    const int count = int(std::count(m_text, m_text + GetLength(), ch));
    if (count == 0)
        return 0;
    MakeOwn();
    SetLength(int(std::remove(m_text, m_text + GetLength(), ch) - m_text));
    return count;
}

int CString::Insert(int index, char ch) { return Insert(index, CString(ch).GetString()); }

int CString::Insert(int index, const char* text)
{
    const std::string_view inserted(text ? text : "");
    if (inserted.empty())
        return GetLength();
    index = clampCount(index, GetLength());
    const std::string_view before = view();
    *this = Concat(before.substr(0, std::size_t(index)), inserted) + CString(before.substr(std::size_t(index)));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = clampCount(index, GetLength());
    count = clampCount(count, GetLength() - index);
    if (count == 0)
        return GetLength();
    MakeOwn();
    std::memmove(m_text + index, m_text + index + count, std::size_t(GetLength() - index - count));
    SetLength(GetLength() - count);
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
    // Most texts are short: they are formatted on the stack and then taken in, into this
    // string's own room when it has enough. A longer one is formatted again, into room of its
    // own, as the arguments may be this string's own characters.
    char local[256];
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(local, sizeof local, format, args);
    if (length >= 0 && std::size_t(length) < sizeof local) {
        Assign(local, std::size_t(length));
    } else if (length < 0) {
        Empty();
    } else {
        CString text;
        text.MakeOwnRoom(length, 0);
        std::vsnprintf(text.m_text, std::size_t(length) + 1, format, again);
        text.SetLength(length);
        *this = std::move(text);
    }
    va_end(again);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    *this += tail;
}

char* CString::GetBuffer(int minLength)
{
    MakeOwnRoom(std::max(minLength, GetLength()), GetLength());
    // The room past the text is zeros, so a caller that writes no terminator still ends it.
    const int room = GetHeader()->capacity;
    std::memset(m_text + GetLength(), 0, std::size_t(room - GetLength()) + 1);
    return m_text;
}

void CString::ReleaseBuffer(int newLength)
{
    MakeOwnRoom(GetLength(), GetHeader()->capacity);
    const int room = GetHeader()->capacity;
    if (newLength < 0)
        newLength = int(strnlen(m_text, std::size_t(room)));
    SetLength(std::clamp(newLength, 0, room));
}
