#include "Settings.h"

#include "hostlink/PluginApp.h"
#include "platform/core/Convert.h"

namespace allyledger {

namespace {

constexpr const char* kWarnRectNames[] = {"Allyledger\\pos\\left", "Allyledger\\pos\\top", "Allyledger\\pos\\right",
                                          "Allyledger\\pos\\bottom"};

LONG* warnRectField(CRect& rect, int index)
{
    LONG* fields[] = {&rect.left, &rect.top, &rect.right, &rect.bottom};
    return fields[index];
}

// Reads a setting; only a non-empty value is taken.
bool readSetting(CPluginApp& app, const char* name, CString& value)
{
    app.ReadRegistry(name, value);
    return !value.IsEmpty();
}

void writeNumber(CPluginApp& app, const char* name, int value)
{
    CString text;
    text.Format("%d", value);
    app.WriteRegistry(name, text);
}

} // namespace

void Settings::UpdateColumns()
{
    StatusColumn = ColNum == 0 ? 8 : ColNum + 16;
    InfoColumn = InfNum + 17;
}

void Settings::SetFlags(const CString& flags)
{
    // Characters past the end of a short text read as the terminator, which is not "0".
    auto flag = [&](int i) { return i < flags.GetLength() && flags[i] == '0' ? 0 : 1; };
    if (flags.IsEmpty())
        return;
    WarnOnReport = flag(0);
    WarnOnGame = flag(1);
    DeleteExpired = flag(2);
    if (flags.GetLength() > 3) {
        DeclarePeaceOnSign = flag(3);
        DeclareWarOnBreak = flag(4);
    }
}

CString Settings::FlagsText() const
{
    CString text;
    text.Format("%d%d%d%d%d", WarnOnReport, WarnOnGame, DeleteExpired, DeclarePeaceOnSign, DeclareWarOnBreak);
    return text;
}

void Settings::Read(CPluginApp& app)
{
    CString value;
    if (readSetting(app, "Allyledger\\DefLen", value))
        DefLenText = value, DefLen = platform::AtoI(value);
    if (readSetting(app, "Allyledger\\ExpThr", value))
        ExpThrText = value, ExpThr = platform::AtoI(value);
    if (readSetting(app, "Allyledger\\ColNum", value))
        ColNum = platform::AtoI(value), UpdateColumns();
    if (readSetting(app, "Allyledger\\InfNum", value))
        InfNum = platform::AtoI(value), UpdateColumns();
    if (readSetting(app, "Allyledger\\ShowAll", value))
        ShowAll = platform::AtoI(value);
    if (readSetting(app, "Allyledger\\ShowInfo", value))
        ShowInfo = platform::AtoI(value);
    if (readSetting(app, "Allyledger\\flags", value))
        SetFlags(value);
    for (int i = 0; i < 4; ++i)
        if (readSetting(app, kWarnRectNames[i], value))
            *warnRectField(WarnRect, i) = platform::AtoI(value);
}

void Settings::Store(CPluginApp& app)
{
    DefLen = platform::AtoI(DefLenText);
    ExpThr = platform::AtoI(ExpThrText);
    UpdateColumns();
    app.WriteRegistry("Allyledger\\DefLen", DefLenText);
    app.WriteRegistry("Allyledger\\ExpThr", ExpThrText);
    writeNumber(app, "Allyledger\\ColNum", ColNum);
    writeNumber(app, "Allyledger\\InfNum", InfNum);
    writeNumber(app, "Allyledger\\ShowInfo", ShowInfo);
    writeNumber(app, "Allyledger\\ShowAll", ShowAll);
    app.WriteRegistry("Allyledger\\flags", FlagsText());
}

void Settings::StoreWindowRect(CPluginApp& app) const
{
    CRect rect = WarnRect;
    for (int i = 0; i < 4; ++i)
        writeNumber(app, kWarnRectNames[i], *warnRectField(rect, i));
}

} // namespace allyledger
