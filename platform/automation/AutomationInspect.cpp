// The driver's looking side: finding windows, pictures, the log and the clipboard.
#include "Automation.h"

#include <algorithm>
#include <map>

#include "../gdi/Png.h"
#include "../gdi/TextRecorder.h"
#include "../win/Clipboard.h"
#include "../win/Compose.h"
#include "../win/EventLog.h"
#include "../win/WindowTable.h"

namespace platform {

std::vector<HWND> Automation::FindAll(const std::function<BOOL(HWND)>& match)
{
    // AllWindows lists bottom first; the search answers topmost first.
    std::vector<HWND> all = WindowTable::Instance().AllWindows();
    std::vector<HWND> found;
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (match(*it))
            found.push_back(*it);
    return found;
}

static HWND FindFirst(HWND within, const std::function<BOOL(const WindowRecord&)>& match)
{
    auto found = Automation::FindAll([&](HWND hwnd) {
        const WindowRecord* record = FindWindowRecord(hwnd);
        return record && (!within || IsChild(within, hwnd)) && match(*record);
    });
    return found.empty() ? nullptr : found.front();
}

HWND Automation::FindByClass(const char* className, HWND within)
{
    auto windowClass = WindowClassRegistry::Instance().Find(className);
    if (!windowClass)
        return nullptr;
    return FindFirst(within, [&](const WindowRecord& record) { return record.windowClass == windowClass; });
}

HWND Automation::FindByTitle(const char* title, HWND within)
{
    const std::string wanted = title ? title : "";
    return FindFirst(within, [&](const WindowRecord& record) { return record.text == wanted; });
}

Surface Automation::Capture(HWND hwnd) { return ComposeWindow(hwnd); }

std::vector<std::string> Automation::DrawnText(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return {};
    TextRecorder recorder;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ComposeWindow(hwnd);
    // The windows inside hwnd, in z-order, by the surface they paint into.
    std::map<const Surface*, std::size_t> order;
    const auto inside = FindAll([&](HWND h) { return IsChild(hwnd, h); });
    for (std::size_t i = 0; i < inside.size(); ++i)
        if (const WindowRecord* record = FindWindowRecord(inside[i]))
            order[&record->surface] = i;
    std::vector<const platform::DrawnText*> texts;
    for (const platform::DrawnText& text : recorder.Texts())
        if (order.count(text.target))
            texts.push_back(&text);
    std::stable_sort(texts.begin(), texts.end(), [&](const platform::DrawnText* a, const platform::DrawnText* b) {
        const auto wa = order[a->target], wb = order[b->target];
        if (wa != wb)
            return wa < wb;
        return a->box.top != b->box.top ? a->box.top < b->box.top : a->box.left < b->box.left;
    });
    std::vector<std::string> lines;
    for (const platform::DrawnText* text : texts)
        lines.push_back(text->text);
    return lines;
}

BOOL Automation::Screenshot(HWND hwnd, const std::string& path)
{
    if (!IsWindow(hwnd))
        return FALSE;
    const BOOL written = WritePng(ComposeWindow(hwnd), path.c_str());
    EventLog::Instance().Add("screenshot of " + WindowTable::Describe(hwnd) + " -> " + path + (written ? "" : " (failed)"));
    return written;
}

BOOL Automation::ScreenshotScreen(const std::string& path)
{
    const BOOL written = WritePng(ComposeScreen(), path.c_str());
    EventLog::Instance().Add("screenshot of the screen -> " + path + (written ? "" : " (failed)"));
    return written;
}

const std::vector<std::string>& Automation::Log() const { return EventLog::Instance().Lines(); }
BOOL Automation::LogContains(const std::string& text) const { return EventLog::Instance().Contains(text); }
void Automation::ClearLog() { EventLog::Instance().Clear(); }
void Automation::Note(std::string line) { EventLog::Instance().Add(std::move(line)); }
std::optional<std::string> Automation::ClipboardText() const { return Clipboard::Instance().Text(); }
BOOL Automation::SetClipboardText(const std::string& text) { return Clipboard::Instance().SetText(text); }

} // namespace platform
