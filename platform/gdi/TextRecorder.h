// Keeps what text the device contexts draw while it is installed, so that a program can read
// back what a window shows as text (the host prints a window's lines this way).
#pragma once

#include <string>
#include <vector>

#include "../core/Geometry.h"
#include "Surface.h"

namespace platform {

struct DrawnText {
    const Surface* target = nullptr;
    CRect box;  // in the target's pixels
    std::string text;
};

class PLATFORM_API TextRecorder {
public:
    TextRecorder();
    ~TextRecorder();
    TextRecorder(const TextRecorder&) = delete;
    TextRecorder& operator=(const TextRecorder&) = delete;

    const std::vector<DrawnText>& Texts() const { return m_texts; }

    // Called by the device contexts for every text they draw.
    static void Report(const Surface* target, const CRect& box, const char* text, int length);

private:
    std::vector<DrawnText> m_texts;
    TextRecorder* m_previous = nullptr;
};

} // namespace platform
