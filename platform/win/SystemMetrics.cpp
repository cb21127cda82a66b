#include "SystemMetrics.h"

#include <cstdlib>
#include <unordered_map>

#include "WinApi.h"

namespace platform {

DesktopSettings& DesktopSettings::Instance()
{
    static DesktopSettings settings = [] {
        DesktopSettings fresh;
        fresh.Reset();
        return fresh;
    }();
    return settings;
}

void DesktopSettings::Reset() { values = {{"WheelScrollLines", "3"}}; }

UINT DesktopSettings::WheelScrollLines() const
{
    auto it = values.find("WheelScrollLines");
    if (it == values.end())
        return 3;
    return UINT(std::strtoul(it->second.c_str(), nullptr, 10));
}

void DesktopSettings::SetWheelScrollLinesText(std::optional<std::string> text)
{
    if (text)
        values["WheelScrollLines"] = *text;
    else
        values.erase("WheelScrollLines");
}

} // namespace platform

int GetSystemMetrics(int index)
{
    // Classic desktop values on a 1024 x 768 screen.
    static const std::unordered_map<int, int> metrics = {
        {SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768},    {SM_CXVSCROLL, 16},    {SM_CYHSCROLL, 16},   {SM_CYCAPTION, 18},
        {SM_CXBORDER, 1},    {SM_CYBORDER, 1},      {SM_CXDLGFRAME, 3},    {SM_CYDLGFRAME, 3},   {SM_CYVTHUMB, 16},
        {SM_CXHTHUMB, 16},   {SM_CXICON, 32},       {SM_CYICON, 32},       {SM_CXCURSOR, 32},    {SM_CYCURSOR, 32},
        {SM_CYMENU, 19},     {SM_CXFULLSCREEN, 1024}, {SM_CYFULLSCREEN, 750}, {SM_MOUSEPRESENT, 1}, {SM_CYVSCROLL, 16},
        {SM_CXHSCROLL, 16},  {SM_SWAPBUTTON, 0},    {SM_CXMIN, 112},       {SM_CYMIN, 27},       {SM_CXSIZE, 18},
        {SM_CYSIZE, 18},     {SM_CXFRAME, 4},       {SM_CYFRAME, 4},       {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27},
        {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4},   {SM_CMOUSEBUTTONS, 3}, {SM_CXEDGE, 2},       {SM_CYEDGE, 2},
        {SM_CXSMICON, 16},   {SM_CYSMICON, 16},     {SM_CYSMCAPTION, 15},  {SM_CXMAXIMIZED, 1032}, {SM_CYMAXIMIZED, 776},
        {SM_CXDRAG, 4},      {SM_CYDRAG, 4},        {SM_MOUSEWHEELPRESENT, 1},
    };
    auto it = metrics.find(index);
    return it == metrics.end() ? 0 : it->second;
}
