// CString: a byte string of the framework (8-bit text, no encoding assumed).
//
// A CString is one pointer to its characters, which a small header of counts precedes. Copies
// share the characters and count their owners; the first change to a shared text gives the
// changing string a copy of its own. So a text repeated across a great many records (a race's
// name, a pact's conditions) is held once, and a CString costs no more room than a pointer. The
// empty text is one static text that every empty string shares; it is never freed.
//
// Like every framework object, a CString belongs to the user-interface thread: the owner count
// is a plain number, not an atomic one.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "Types.h"

class PLATFORM_API CString {
public:
    CString() noexcept : m_text(EmptyText()) {}
    CString(const char* text);
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    CString(const std::string& text) : CString(std::string_view(text)) {}
    CString(std::string_view text);
    CString(const CString& other) noexcept : m_text(other.m_text) { AddOwner(); }
    CString(CString&& other) noexcept : m_text(other.m_text) { other.m_text = EmptyText(); }
    ~CString() { Release(); }

    int GetLength() const { return GetHeader()->length; }
    BOOL IsEmpty() const { return GetHeader()->length == 0; }
    void Empty();
    char GetAt(int index) const { return m_text[index]; }
    char operator[](int index) const { return m_text[index]; }
    void SetAt(int index, char ch);
    operator const char*() const { return m_text; }
    const char* GetString() const { return m_text; }
    std::string str() const { return std::string(view()); }
    std::string_view view() const { return std::string_view(m_text, std::size_t(GetHeader()->length)); }

    CString& operator=(const CString& other) noexcept;
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* text);
    CString& operator=(char ch) { return Assign(&ch, 1); }
    CString& operator+=(const CString& other) { return Append(other.view()); }
    CString& operator+=(const char* text);
    CString& operator+=(char ch) { return Append(std::string_view(&ch, 1)); }

    friend CString operator+(const CString& a, const CString& b) { return Concat(a.view(), b.view()); }
    friend CString operator+(const CString& a, const char* b) { return Concat(a.view(), b ? b : ""); }
    friend CString operator+(const char* a, const CString& b) { return Concat(a ? a : "", b.view()); }
    friend CString operator+(const CString& a, char b) { return Concat(a.view(), std::string_view(&b, 1)); }
    friend CString operator+(char a, const CString& b) { return Concat(std::string_view(&a, 1), b.view()); }

    // Byte-wise comparisons, as strcmp.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text || a.view() == b.view(); }
    friend bool operator==(const CString& a, const char* b) { return a.view() == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }

    // Searching: positions are byte indices, -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* set) const;

    // Extraction; counts are clamped to the text.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;

    // Changes in place.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& TrimLeft(const char* set);
    CString& TrimRight(const char* set);
    CString& Trim(const char* set);
    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args) __attribute__((format(printf, 2, 0)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Direct buffer access: GetBuffer gives room for at least minLength bytes and a terminator,
    // holding the text as it was and zeros after it; ReleaseBuffer takes the new length (or the
    // position of the first zero byte when -1), at most the room that GetBuffer gave. Between
    // the two the buffer is this string's alone: copy the string only after ReleaseBuffer.
    char* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

private:
    // Precedes the characters. Only the static empty text has no room (capacity 0).
    struct Header {
        int owners;
        int length;
        int capacity;
    };
    struct EmptyData {
        Header header;
        char text[1];
    };
    static EmptyData s_empty;

    static char* EmptyText() noexcept { return s_empty.text; }
    static char* Allocate(int capacity);
    static CString Concat(std::string_view a, std::string_view b);

    Header* GetHeader() const { return reinterpret_cast<Header*>(m_text) - 1; }
    void AddOwner() const noexcept
    {
        if (GetHeader()->capacity)
            ++GetHeader()->owners;
    }
    void Release() noexcept
    {
        Header* header = GetHeader();
        if (header->capacity && --header->owners == 0)
            Free(header);
    }
    static void Free(Header* header) noexcept;
    // Makes the text this string's own with room for at least capacity bytes, keeping the
    // first keep bytes of it.
    void MakeOwnRoom(int capacity, int keep);
    // Makes the text this string's own, as every change must first.
    void MakeOwn() { MakeOwnRoom(GetLength(), GetLength()); }
    void SetLength(int length);
    CString& Assign(const char* text, std::size_t length);
    CString& Append(std::string_view text);

    char* m_text;
};

struct CStringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
