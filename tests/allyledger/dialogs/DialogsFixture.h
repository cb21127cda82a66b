// The plug-in's application object with a fake host that knows the races of a game, a fresh
// window system for every test, and ways to read the controls of the dialog on screen.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "allyledger/dialogs/DialogTreatyUi.h"
#include "platform/automation/Automation.h"
#include "platform/framework/ControlActions.h"
#include "platform/framework/Dialogs.h"
#include "platform/win/Win.h"
#include "resources/allyledger/AllyledgerResources.h"
#include "tests/allyledger/plugin/PluginFixture.h"

class DialogsFixture : public PluginFixture {
protected:
    void SetUp() override
    {
        driver.Reset();
        PluginFixture::SetUp();
        host.functions["List"] = [this](CMapStringToString& request) {
            if (request["Parameter.1"] != "Races")
                return;
            request["Count"] = std::to_string(races.size()).c_str();
            for (std::size_t i = 0; i < races.size(); ++i)
                request[std::to_string(i + 1).c_str()] = races[i].c_str();
        };
        Initialize();
        app->CurrentRace = "Reds";
        host.received.clear();
    }
    void TearDown() override
    {
        driver.Reset();
        PluginFixture::TearDown();
    }

    // Runs the Sign treaty dialog as the "Sign treaty" command does, on the queued input.
    bool RunSignTreaty(allyledger::SignTerms& terms, int turn = 10)
    {
        allyledger::DialogTreatyUi ui;
        return ui.SignTreaty(*app, "Nova", turn, terms);
    }

    // Does something with the dialog that is active when the queue reaches this point.
    template <class F>
    void Look(F look)
    {
        driver.Queue("look", [look] { look(::GetActiveWindow()); });
    }

    // A control action that ends a modal dialog runs while the dialog's loop waits for input,
    // and the actions queued after it would run in that same wait; a posted message hands
    // control back to the loop first, which then sees that its dialog has ended.
    void EndNestedDialog(int buttonId)
    {
        driver.ClickButton(buttonId);
        driver.Queue("let the dialog's loop end", [] { ::PostMessage(::GetActiveWindow(), WM_NULL, 0, 0); });
    }

    // Where a picture goes: the folder the tests run in, not the host folder of one test.
    std::string PicturePath(const char* name) const { return (previous / name).string(); }

    static std::string Text(HWND dialog, int id)
    {
        char text[256] = {};
        ::GetWindowText(::GetDlgItem(dialog, id), text, sizeof text);
        return text;
    }
    static std::pair<int, int> ArrowRange(HWND dialog, int spinId)
    {
        int lower = 0, upper = 0;
        ::SendMessage(::GetDlgItem(dialog, spinId), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                      reinterpret_cast<LPARAM>(&upper));
        return {lower, upper};
    }
    // The items of a check list box in list order, a ticked one as "[x] text".
    static std::vector<std::string> CheckList(HWND dialog, int id)
    {
        HWND list = ::GetDlgItem(dialog, id);
        std::vector<std::string> items;
        const int count = int(::SendMessage(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            ::SendMessage(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
            const bool ticked = ::SendMessage(list, platform::kListGetCheck, WPARAM(i), 0) == BST_CHECKED;
            items.push_back((ticked ? "[x] " : "[ ] ") + std::string(text));
        }
        return items;
    }

    platform::Automation& driver = platform::Automation::Instance();
    std::vector<std::string> races{"Vega", "Antares", "Sirius", "Altair"};
};
