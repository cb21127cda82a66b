#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "hostlink/PluginApp.h"

namespace {

using Entries = std::map<std::string, std::string>;

Entries entriesOf(const CMapStringToString& map)
{
    Entries out;
    map.ForEach([&](const CString& k, const CString& v) { out[k.str()] = v.str(); });
    return out;
}

// A host that answers each request with the next scripted set of entries (the last one
// repeats) and remembers what it was sent.
struct FakeHost {
    std::deque<Entries> answers;
    std::vector<Entries> received;

    static FakeHost* current;
    static void Callback(CMapStringToString* request)
    {
        current->received.push_back(entriesOf(*request));
        Entries answer = current->answers.empty() ? Entries{} : current->answers.front();
        if (current->answers.size() > 1)
            current->answers.pop_front();
        for (const auto& [k, v] : answer)
            (*request)[k.c_str()] = v.c_str();
    }
};
FakeHost* FakeHost::current = nullptr;

constexpr hostlink::HostLinkPolicy kAllyledger{};
constexpr hostlink::HostLinkPolicy kGrowthmark{.sendRaceName = false,
                                               .repeatRefusedRequests = false,
                                               .readRequiresNoError = true,
                                               .repeatWritesUntilAccepted = false};

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override { FakeHost::current = &host; }
    static void connect(CPluginApp& app)
    {
        CMapStringToString init;
        init["DataManager"] = std::to_string(reinterpret_cast<intptr_t>(&FakeHost::Callback)).c_str();
        app.OnInitialize(init);
    }
    FakeHost host;
};

} // namespace

TEST_F(LinkTest, InitialisationMapRules)
{
    struct Case {
        Entries init;
        int32_t eventMask;
        intptr_t mainFrame, mainFramePtr;
        bool callback;
    } cases[] = {
        {{}, 0, 0, 0, false},
        {{{"MainFrame", " 12x"}, {"EventMask", "-7"}, {"MainFramePtr", "140737488355328"}}, -7, 12, 140737488355328, false},
        {{{"DataManager", "0"}}, 0, 0, 0, false},
        {{{"DataManager", "junk"}}, 0, 0, 0, false},
        {{{"EventMask", "99999999999"}}, INT32_MAX, 0, 0, false},
    };
    for (const auto& c : cases) {
        CPluginApp app(kAllyledger);
        CMapStringToString init;
        for (const auto& [k, v] : c.init)
            init[k.c_str()] = v.c_str();
        app.OnInitialize(init);
        EXPECT_EQ(app.EventMask, c.eventMask);
        EXPECT_EQ(app.MainFrame, c.mainFrame);
        EXPECT_EQ(app.MainFramePtr, c.mainFramePtr);
        EXPECT_EQ(app.DataManager != nullptr, c.callback);
    }
}

TEST_F(LinkTest, OnlyDataManagerStoresTheCallbackAndLeavesTheRest)
{
    CPluginApp app(kAllyledger);
    connect(app);
    EXPECT_EQ(app.DataManager, &FakeHost::Callback);
    EXPECT_EQ(app.EventMask, 0);
    EXPECT_EQ(app.MainFrame, 0);
    EXPECT_EQ(app.MainFramePtr, 0);
}

TEST_F(LinkTest, WithoutACallbackNothingIsSent)
{
    CPluginApp app(kAllyledger);
    CMapStringToString answer;
    answer["Keep"] = "me";
    app.CallHost("Alpha", "Zorg", 3, "List", CStringList(), answer);
    EXPECT_EQ(entriesOf(answer), (Entries{{"Keep", "me"}}));
    CString value = "old";
    app.ReadRegistry("Allyledger\\DefLen", value);
    EXPECT_TRUE(value.IsEmpty());
    app.WriteRegistry("x", "y");
    EXPECT_TRUE(host.received.empty());
}

TEST_F(LinkTest, GeneralRequestCarriesItsParametersInOrder)
{
    CPluginApp app(kAllyledger);
    connect(app);
    CStringList parameters;
    parameters.AddTail("DeclareWar");
    parameters.AddTail("Krell");
    CMapStringToString answer;
    answer["Stale"] = "x";
    app.CallHost("Alpha", "Zorg", 4294967295u, "Add", parameters, answer);
    ASSERT_EQ(host.received.size(), 1u);
    EXPECT_EQ(host.received[0], (Entries{{"GameName", "Alpha"}, {"RaceName", "Zorg"}, {"Turn", "4294967295"},
                                         {"Function", "Add"}, {"Parameters.Count", "2"},
                                         {"Parameter.1", "DeclareWar"}, {"Parameter.2", "Krell"}}));
    // A host that sets no "LastError" still leaves an empty one behind.
    CString lastError = "unset";
    EXPECT_TRUE(answer.Lookup("LastError", lastError));
    EXPECT_TRUE(lastError.IsEmpty());

    app.CallHost("Alpha", "Zorg", 1, "Refresh", CStringList(), answer);
    EXPECT_EQ(host.received[1].at("Parameters.Count"), "0");
    EXPECT_EQ(host.received[1].count("Parameter.1"), 0u);
}

TEST_F(LinkTest, RefusedRequestsAreRebuiltAndSentAgain)
{
    struct Case {
        const char* name;
        hostlink::HostLinkPolicy policy;
        std::vector<Entries> answers;
        size_t sends;
    } cases[] = {
        {"busy, denied, accepted", kAllyledger,
         {{{"LastError", "Busy"}, {"Junk", "1"}}, {{"LastError", "Access Denied"}}, {{"LastError", ""}}}, 3},
        {"other case ends at once", kAllyledger, {{{"LastError", "busy"}}}, 1},
        {"other error ends at once", kAllyledger, {{{"LastError", "Not found"}}}, 1},
        {"never repeated by Growthmark", kGrowthmark, {{{"LastError", "Busy"}}, {{"LastError", ""}}}, 1},
    };
    for (const auto& c : cases) {
        host = FakeHost();
        host.answers.assign(c.answers.begin(), c.answers.end());
        CPluginApp app(c.policy);
        connect(app);
        CMapStringToString answer;
        app.CallHost("Alpha", "Zorg", 7, "List", CStringList(), answer);
        ASSERT_EQ(host.received.size(), c.sends) << c.name;
        // Every send is the request alone: entries of a refused answer are gone.
        for (const auto& sent : host.received) {
            EXPECT_EQ(sent.count("Junk"), 0u) << c.name;
            EXPECT_EQ(sent.count("LastError"), 0u) << c.name;
            EXPECT_EQ(sent.count("RaceName"), c.policy.sendRaceName ? 1u : 0u) << c.name;
        }
    }
}

TEST_F(LinkTest, EndlessRefusalStopsAtTheBoundWithNoAnswer)
{
    host.answers = {{{"LastError", "Busy"}, {"Count", "3"}}};
    CPluginApp app(kAllyledger);
    connect(app);
    CMapStringToString answer;
    app.CallHost("Alpha", "Zorg", 7, "Selection", CStringList(), answer);
    EXPECT_EQ(host.received.size(), size_t(hostlink::kMaxHostRequestSends));
    EXPECT_TRUE(answer.IsEmpty());

    host = FakeHost();
    host.answers = {{{"LastError", "Disk full"}}};
    app.WriteRegistry("Allyledger\\DefLen", "10");
    EXPECT_EQ(host.received.size(), size_t(hostlink::kMaxHostRequestSends));
}

TEST_F(LinkTest, RegistryReadsAndWrites)
{
    struct Case {
        const char* name;
        hostlink::HostLinkPolicy policy;
        Entries answer;
        const char* expected;
    } cases[] = {
        {"known", kAllyledger, {{"Allyledger\\DefLen", "12"}, {"LastError", ""}}, "12"},
        {"unknown", kAllyledger, {{"LastError", ""}}, ""},
        {"value with error taken", kAllyledger, {{"Allyledger\\DefLen", "12"}, {"LastError", "x"}}, "12"},
        {"value with error refused", kGrowthmark, {{"Allyledger\\DefLen", "12"}, {"LastError", "x"}}, ""},
        {"value without error key", kGrowthmark, {{"Allyledger\\DefLen", "12"}}, "12"},
    };
    for (const auto& c : cases) {
        host = FakeHost();
        host.answers = {c.answer};
        CPluginApp app(c.policy);
        connect(app);
        CString value;
        app.ReadRegistry("Allyledger\\DefLen", value);
        EXPECT_EQ(value, c.expected) << c.name;
        ASSERT_EQ(host.received.size(), 1u);
        EXPECT_EQ(host.received[0], (Entries{{"Function", "ReadRegistry"}, {"Name", "Allyledger\\DefLen"}}));
    }
}

TEST_F(LinkTest, WritesRepeatUntilAcceptedOnlyWhereThePolicySays)
{
    for (const auto& policy : {kAllyledger, kGrowthmark}) {
        host = FakeHost();
        host.answers = {{{"LastError", "Busy"}}, {{"LastError", "x"}}, {}};
        CPluginApp app(policy);
        connect(app);
        app.WriteRegistry("Growthmark\\row", "25");
        ASSERT_EQ(host.received.size(), policy.repeatWritesUntilAccepted ? 3u : 1u);
        EXPECT_EQ(host.received.back(), (Entries{{"Function", "WriteRegistry"}, {"Name", "Growthmark\\row"},
                                                 {"Growthmark\\row", "25"}}));
    }
}
