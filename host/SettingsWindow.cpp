#include "SettingsWindow.h"

#include "platform/framework/Dialog.h"
#include "platform/win/WinApi.h"

namespace refhost {

namespace {

constexpr int kTreeId = 100;
constexpr int kTreeWidth = 150;
const CRect kWindowRect(80, 60, 80 + 560, 60 + 360);

} // namespace

BOOL SettingsWindow::Open()
{
    if (!CreateEx(0, AfxRegisterWndClass(0), "Settings", WS_POPUP | WS_CAPTION | WS_BORDER | WS_VISIBLE | WS_CLIPCHILDREN,
                  kWindowRect, nullptr, 0))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    m_tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_SHOWSELALWAYS,
                  CRect(0, 0, kTreeWidth, client.Height()), this, kTreeId);
    m_plugins = m_tree.InsertItem("Plug-ins");
    return TRUE;
}

std::vector<SettingsWindow::Page> SettingsWindow::Pages() const
{
    std::vector<Page> pages;
    for (HTREEITEM item = m_tree.GetChildItem(m_plugins); item; item = m_tree.GetNextSiblingItem(item))
        pages.push_back({m_tree.GetItemText(item).str(), reinterpret_cast<CWnd*>(m_tree.GetItemData(item))});
    return pages;
}

BOOL SettingsWindow::ShowPage(const std::string& name)
{
    for (HTREEITEM item = m_tree.GetChildItem(m_plugins); item; item = m_tree.GetNextSiblingItem(item))
        if (m_tree.GetItemText(item) == name.c_str())
            return m_tree.SelectItem(item);
    return FALSE;
}

std::string SettingsWindow::StorePages()
{
    for (const Page& page : Pages()) {
        auto* dialog = dynamic_cast<CDialog*>(page.window);
        if (dialog && !dialog->UpdateData(TRUE))
            return page.name;
    }
    return {};
}

BOOL SettingsWindow::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == kTreeId && header->code == TVN_SELCHANGED)
        ShowSelected();
    return CWnd::OnNotify(wParam, lParam, result);
}

void SettingsWindow::ShowSelected()
{
    const HTREEITEM selected = m_tree.GetSelectedItem();
    CRect client;
    GetClientRect(&client);
    for (const Page& page : Pages()) {
        if (!page.window || !::IsWindow(page.window->GetSafeHwnd()))
            continue;
        const bool shown = selected && reinterpret_cast<CWnd*>(m_tree.GetItemData(selected)) == page.window;
        if (shown)
            page.window->SetWindowPos(nullptr, kTreeWidth + 4, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        page.window->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
}

} // namespace refhost
