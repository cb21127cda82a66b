#include "TextRecorder.h"

namespace platform {

namespace {

TextRecorder* s_recorder = nullptr;

} // namespace

TextRecorder::TextRecorder() : m_previous(s_recorder) { s_recorder = this; }

TextRecorder::~TextRecorder() { s_recorder = m_previous; }

void TextRecorder::Report(const Surface* target, const CRect& box, const char* text, int length)
{
    if (!s_recorder || !text || length <= 0)
        return;
    s_recorder->m_texts.push_back({target, box, std::string(text, std::size_t(length))});
}

} // namespace platform
