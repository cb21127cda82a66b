// The text of a single-line edit control with its selection, and the editing operations on
// them. Positions are byte indices between characters; the selection runs from the anchor to
// the caret, in either direction.
#pragma once

#include <string>
#include <string_view>

#include "../core/Types.h"

namespace platform {

class EditBuffer {
public:
    // An edit control holds this much until its limit is set.
    static constexpr int kDefaultLimit = 30000;
    static constexpr int kLargestLimit = 0x7FFFFFFE;

    const std::string& Text() const { return m_text; }
    int Length() const { return int(m_text.size()); }
    // The caret goes to the start; nothing is selected.
    void SetText(std::string text);

    int Anchor() const { return m_anchor; }
    int Caret() const { return m_caret; }
    int SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    int SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    BOOL HasSelection() const { return m_anchor != m_caret; }
    std::string Selected() const;
    // Positions are clamped to the text; -1 as the caret means the end.
    void Select(int anchor, int caret);
    // Moves the caret; extending keeps the anchor, otherwise the selection collapses there.
    void MoveCaret(int to, BOOL extend);

    // Replaces the selection with as much of the text as the limit leaves room for; the caret
    // ends after the insertion. FALSE when some of the text did not fit.
    BOOL Replace(std::string_view text);
    // Backspace and Delete: the selection, or the character before or after the caret. FALSE
    // when there was nothing to delete.
    BOOL DeleteBackward();
    BOOL DeleteForward();

    // The start of the word before or after a position, as Ctrl+Left and Ctrl+Right move.
    int WordLeft(int from) const;
    int WordRight(int from) const;

    int Limit() const { return m_limit; }
    // 0 stands for the largest limit.
    void SetLimit(int limit);

private:
    int Clamp(int position) const;

    std::string m_text;
    int m_anchor = 0;
    int m_caret = 0;
    int m_limit = kDefaultLimit;
};

} // namespace platform
