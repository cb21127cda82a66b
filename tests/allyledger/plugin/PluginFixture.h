// A freshly loaded plug-in application in a host folder of its own, talking to a fake host.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "allyledger/plugin/AllyledgerApp.h"
#include "platform/framework/ModuleState.h"
#include "tests/support/FakeHost.h"

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() / "allyledger-plugin-tests" / info->test_suite_name() / info->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "PLUGINS");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        MakeApp();
    }
    // A new application object in the plug-in's own module, as its library has it.
    void MakeApp()
    {
        app.reset();
        AFX_MANAGE_STATE(&pluginState);
        app = std::make_unique<CAllyledgerApp>();
    }
    void TearDown() override
    {
        app.reset();
        std::filesystem::current_path(previous);
    }
    // OnInitialize with the fake host's callback; returns the map the plug-in answered into.
    CMapStringToString Initialize()
    {
        CMapStringToString map = testing_support::FakeHost::InitMap();
        app->OnInitialize(map);
        return map;
    }
    static CMapStringToString MapOf(const testing_support::Entries& entries)
    {
        CMapStringToString map;
        for (const auto& [k, v] : entries)
            map[k.c_str()] = v.c_str();
        return map;
    }

    AFX_MODULE_STATE pluginState{"Allyledger"};
    testing_support::FakeHost host;
    std::unique_ptr<CAllyledgerApp> app;
    std::filesystem::path folder, previous;
};
