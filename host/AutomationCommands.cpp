// Commands that act as the user in windows and dialogs, and the host's settings window.
//
// Input for a modal dialog or question box must be queued before the command that opens it:
// the dialog's loop takes it from the queue, and ends as cancelled when the queue runs dry.
#include <memory>
#include <ostream>

#include "Host.h"
#include "Session.h"
#include "SettingsWindow.h"
#include "platform/automation/Automation.h"
#include "platform/framework/ControlActions.h"

namespace refhost {

namespace {

using Result = std::optional<std::string>;

int keyCode(const std::string& name)
{
    const std::pair<const char*, int> keys[] = {{"enter", VK_RETURN}, {"esc", VK_ESCAPE}, {"tab", VK_TAB},
                                                {"up", VK_UP},        {"down", VK_DOWN},  {"left", VK_LEFT},
                                                {"right", VK_RIGHT},  {"delete", VK_DELETE}, {"backspace", VK_BACK}};
    for (const auto& [n, code] : keys)
        if (name == n)
            return code;
    return 0;
}

Result queueAction(const CommandLine& c)
{
    auto& automation = platform::Automation::Instance();
    const auto& w = c.words;
    const std::string what = w.empty() ? "" : w[0];
    auto id = [&] { return std::stoi(w.at(1)); };
    auto text = [&] { return w.size() > 2 ? w[2] : std::string(); };
    if (what == "set-text" && w.size() >= 2)
        automation.SetControlText(id(), text());
    else if (what == "click" && w.size() == 2)
        automation.ClickButton(id());
    else if (what == "focus" && w.size() == 2)
        automation.FocusControl(id());
    else if ((what == "tick" || what == "untick") && w.size() == 3)
        platform::ControlActions::TickItem(id(), text(), what == "tick");
    else if (what == "pick" && w.size() == 3)
        platform::ControlActions::PickComboItem(id(), text());
    else if (what == "radio" && w.size() == 2)
        platform::ControlActions::PickRadio(id());
    else if (what == "key" && w.size() == 2 && keyCode(w[1]))
        automation.Key(keyCode(w[1]));
    else if (what == "type" && w.size() == 2)
        automation.Type(w[1]);
    else
        return "usage: queue set-text ID [TEXT] | click ID | focus ID | tick ID ITEM | untick ID ITEM | pick ID ITEM | "
               "radio ID | key enter|esc|tab|up|down|left|right|delete|backspace | type TEXT";
    return std::nullopt;
}

Result answer(const CommandLine& c)
{
    const std::pair<const char*, int> answers[] = {{"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}};
    for (const auto& [name, id] : answers)
        if (c.words.size() == 1 && c.words[0] == name) {
            platform::Automation::Instance().QueueMessageBoxAnswer(id);
            return std::nullopt;
        }
    return "usage: answer ok|cancel|yes|no";
}

} // namespace

void AddAutomationCommands(Session& session)
{
    Host& host = session.GetHost();
    session.Add("queue", {"queue ACTION ...", "queues input for the next dialog: set-text ID TEXT, click ID, focus ID, tick ID ITEM, "
                                              "untick ID ITEM, pick ID ITEM, radio ID, key NAME, type TEXT",
                          queueAction});
    session.Add("answer", {"answer ok|cancel|yes|no", "queues the answer to the next message box", answer});

    auto settings = std::make_shared<std::unique_ptr<SettingsWindow>>();
    session.Add("settings-open", {"settings-open", "opens the host's settings window; each plug-in adds its page",
                                  [&host, settings](const CommandLine&) -> Result {
                                      if (*settings)
                                          return "the settings window is open already";
                                      *settings = std::make_unique<SettingsWindow>();
                                      SettingsWindow& window = **settings;
                                      if (!window.Open())
                                          return "cannot open the settings window";
                                      for (auto& plugin : host.Plugins()) {
                                          if (!plugin->Entry().CreateConfig)
                                              continue;
                                          CMapStringToString map = host.GetWorld().CurrentGameMap();
                                          map["TreeCtrl"] = std::to_string(reinterpret_cast<intptr_t>(&window.Tree())).c_str();
                                          map["Item"] = std::to_string(reinterpret_cast<intptr_t>(window.PluginsItem())).c_str();
                                          plugin->Entry().CreateConfig(map);
                                      }
                                      for (const auto& page : window.Pages())
                                          host.Out() << "settings page: " << page.name << '\n';
                                      return std::nullopt;
                                  }});
    session.Add("settings-page", {"settings-page NAME", "shows a page of the settings window",
                                  [settings](const CommandLine& c) -> Result {
                                      if (!*settings)
                                          return "the settings window is not open";
                                      if (c.words.size() != 1 || !(*settings)->ShowPage(c.words[0]))
                                          return "no such settings page";
                                      return std::nullopt;
                                  }});
    session.Add("settings-ok", {"settings-ok", "confirms the settings window: the pages store their controls, then each plug-in gets OnOK",
                                [&host, settings](const CommandLine&) -> Result {
                                    if (!*settings)
                                        return "the settings window is not open";
                                    host.Idle();
                                    const std::string refused = (*settings)->StorePages();
                                    if (!refused.empty()) {
                                        host.Out() << "host: the page " << refused << " refused its values; the window stays open\n";
                                        return std::nullopt;
                                    }
                                    for (auto& plugin : host.Plugins())
                                        if (plugin->Entry().OnOK) {
                                            CMapStringToString map = host.GetWorld().CurrentGameMap();
                                            plugin->Entry().OnOK(map);
                                        }
                                    (*settings)->DestroyWindow();
                                    settings->reset();
                                    return std::nullopt;
                                }});
    session.Add("settings-cancel", {"settings-cancel", "closes the settings window without storing anything",
                                    [settings](const CommandLine&) -> Result {
                                        if (!*settings)
                                            return "the settings window is not open";
                                        (*settings)->DestroyWindow();
                                        settings->reset();
                                        return std::nullopt;
                                    }});
}

} // namespace refhost
