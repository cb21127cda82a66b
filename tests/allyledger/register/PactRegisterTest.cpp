#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegisterDump.h"
#include "allyledger/register/PactRegister.h"

namespace {

using allyledger::pacts::testing::DumpRegister;
using allyledger::pacts::testing::Row;
using Lines = std::vector<std::string>;

Lines LinesOf(const CStringArray& array)
{
    Lines lines;
    for (const CString& line : array)
        lines.push_back(line.str());
    return lines;
}

constexpr const char* kOwner = "Alpha/Zorg";

TEST(PactRegister, AbsentOwnersAndRacesGiveNeutralAnswers)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "N");
    EXPECT_EQ(reg.GetExpiry("Beta/Zorg", "Krell", 15), 0);
    EXPECT_EQ(reg.GetExpiry(kOwner, "Vex", 15), 0);
    EXPECT_EQ(reg.GetConditions(kOwner, "Vex", 15), "");
    EXPECT_EQ(reg.GetConditions("alpha/zorg", "Krell", 15), "") << "owner keys compare case-sensitively";
    reg.BreakPact("Beta/Zorg", "Krell", 12);
    reg.BreakPact(kOwner, "Vex", 12);
    reg.RemoveExpired("Beta/Zorg", 30);
    EXPECT_EQ(DumpRegister(reg), (std::vector<Row>{{kOwner, "Krell", "10", "20", "N"}}));
    EXPECT_EQ(reg.FindOwner("Beta/Zorg"), nullptr);
}

TEST(PactRegister, AddPactRecordsAndAnswersByTurn)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "N/T");
    reg.AddPact(kOwner, "Krell", 21, 30, "");
    EXPECT_EQ(reg.GetExpiry(kOwner, "Krell", 15), 30);
    EXPECT_EQ(reg.GetConditions(kOwner, "Krell", 15), "N/T");
    EXPECT_EQ(reg.GetConditions(kOwner, "Krell", 25), "");
    reg.BreakPact(kOwner, "Krell", 17);
    EXPECT_EQ(reg.GetExpiry(kOwner, "Krell", 15), 17);
    EXPECT_EQ(reg.GetExpiry(kOwner, "Krell", 25), 0);
}

TEST(PactRegister, AddPactWithFromAfterTillCreatesEmptyEntries)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 20, 10, "");
    // Turns are stored unsigned: -5 is a turn after 10.
    reg.AddPact(kOwner, "Vex", -5, 10, "");
    EXPECT_EQ(DumpRegister(reg), (std::vector<Row>{{kOwner, "Krell"}, {kOwner, "Vex"}}));
}

TEST(PactRegister, NegativeTurnsAreTheTopUnsignedTurns)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", -10, -1, "X");
    EXPECT_EQ(reg.GetExpiry(kOwner, "Krell", -5), -1);
    EXPECT_EQ(reg.GetConditions(kOwner, "Krell", -5), "X");
    EXPECT_EQ(DumpRegister(reg), (std::vector<Row>{{kOwner, "Krell", "4294967286", "4294967295", "X"}}));
}

TEST(PactRegister, RemoveExpiredDropsEndedPeriodsOfEveryRaceButKeepsTheEntries)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "A");
    reg.AddPact(kOwner, "Krell", 25, 30, "B");
    reg.AddPact(kOwner, "Vex", 1, 5, "");
    reg.AddPact("Beta/Zorg", "Vex", 1, 5, "");
    reg.RemoveExpired(kOwner, 21);
    EXPECT_EQ(DumpRegister(reg), (std::vector<Row>{
                                     {kOwner, "Krell", "25", "30", "B"},
                                     {kOwner, "Vex"},
                                     {"Beta/Zorg", "Vex", "1", "5", ""},
                                 }));
}

TEST(PactRegister, ExpiryWarningsRunSoonestFirstWithinTheThreshold)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Ends12", 5, 12, "");
    reg.AddPact(kOwner, "Ends15", 8, 15, "");
    reg.AddPact(kOwner, "Ends16", 10, 16, "");
    reg.AddPact(kOwner, "Ends10", 1, 10, "");
    reg.AddPact(kOwner, "AlsoEnds12", 9, 11, "");
    reg.AddPact(kOwner, "AlsoEnds12", 12, 12, "");  // adjacent: read as one pact to 12
    reg.AddPact(kOwner, "Ended", 1, 9, "");
    reg.AddPact(kOwner, "Later", 11, 12, "");       // does not cover turn 10
    CStringArray lines;
    lines.Add("left over");
    reg.GetExpiryWarnings(kOwner, 10, 5, lines, CPactRegister::ConditionLines::Omit);
    EXPECT_EQ(LinesOf(lines), (Lines{
                                  "Pact with Ends10 will expire at the turn 10 (after 0 turns)",
                                  "Pact with Ends12 will expire at the turn 12 (after 2 turns)",
                                  "Pact with AlsoEnds12 will expire at the turn 12 (after 2 turns)",
                                  "Pact with Ends15 will expire at the turn 15 (after 5 turns)",
                              }));
}

TEST(PactRegister, ExpiryWarningsSkipPactsEndingAtOrBelowZeroAndAbsentOwners)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Zero", 0, 0, "");
    reg.AddPact(kOwner, "Negative", -10, -1, "");
    CStringArray lines;
    lines.Add("left over");
    reg.GetExpiryWarnings(kOwner, 0, 100, lines, CPactRegister::ConditionLines::Include);
    EXPECT_TRUE(lines.IsEmpty());
    reg.GetExpiryWarnings(kOwner, -5, 100, lines, CPactRegister::ConditionLines::Include);
    EXPECT_TRUE(lines.IsEmpty()) << "an expiry of -1 is not positive";
    lines.Add("left over");
    reg.GetExpiryWarnings("Nobody", 0, 100, lines, CPactRegister::ConditionLines::Include);
    EXPECT_TRUE(lines.IsEmpty());
}

TEST(PactRegister, ExpiryWarningsCanNameTheConditions)
{
    CPactRegister reg;
    reg.AddCondition("N", "No attacks");
    reg.AddCondition("T", "Trade routes");
    reg.AddPact(kOwner, "Krell", 1, 14, "N/T");
    reg.AddPact(kOwner, "Vex", 1, 12, "");
    reg.AddPact(kOwner, "Zorn", 1, 13, "Q/N");
    CStringArray lines;
    reg.GetExpiryWarnings(kOwner, 10, 5, lines, CPactRegister::ConditionLines::Include);
    EXPECT_EQ(LinesOf(lines), (Lines{
                                  "Pact with Vex will expire at the turn 12 (after 2 turns)",
                                  "  \x95 No special conditions",
                                  "Pact with Zorn will expire at the turn 13 (after 3 turns)",
                                  "  \xA7 ",
                                  "  \xA7 No attacks",
                                  "Pact with Krell will expire at the turn 14 (after 4 turns)",
                                  "  \xA7 No attacks",
                                  "  \xA7 Trade routes",
                              }));
}

TEST(PactRegister, PopConditionTakesTheFirstAbbreviationOff)
{
    CPactRegister reg;
    reg.AddCondition("N", "No attacks");
    reg.AddCondition("T", "Trade routes");
    struct Case {
        const char* conditions;
        const char* text;
        const char* rest;
    } cases[] = {
        {"N/T", "No attacks", "T"},
        {"T", "Trade routes", ""},
        {"", "", ""},
        {"Q/T", "", "T"},
        {"/T", "", "T"},
        {"N/", "No attacks", ""},
        {"n", "", ""},
    };
    for (const auto& c : cases) {
        CString conditions = c.conditions;
        EXPECT_EQ(reg.PopCondition(conditions), c.text) << c.conditions;
        EXPECT_EQ(conditions, c.rest) << c.conditions;
    }
}

TEST(PactRegister, ConditionsExportInDictionaryOrderAndAddReplacesTheText)
{
    CPactRegister reg;
    reg.AddCondition("N", "No attacks");
    reg.AddCondition("T", "Trade routes");
    reg.AddCondition("N", "No attacks at all");
    CStringArray abbreviations, texts;
    abbreviations.Add("stale");
    texts.Add("stale");
    reg.ExportConditions(abbreviations, texts);
    EXPECT_EQ(LinesOf(abbreviations), (Lines{"N", "T"}));
    EXPECT_EQ(LinesOf(texts), (Lines{"No attacks at all", "Trade routes"}));
}

TEST(PactRegister, RenameOwnerOfAnAbsentKeyChangesNothing)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "A");
    const auto before = DumpRegister(reg);
    reg.RenameOwner("Alpha", kOwner);
    reg.RenameOwner(kOwner, kOwner);
    EXPECT_EQ(DumpRegister(reg), before);
}

TEST(PactRegister, RenameOwnerMovesTheRecordToAFreeKey)
{
    CPactRegister reg;
    reg.AddPact("Alpha", "Krell", 10, 20, "A");
    reg.AddPact("Beta/Vex", "Zorg", 1, 2, "");
    CRacePacts* moved = reg.FindOwner("Alpha");
    reg.RenameOwner("Alpha", kOwner);
    EXPECT_EQ(reg.FindOwner("Alpha"), nullptr);
    EXPECT_EQ(reg.FindOwner(kOwner), moved);
    EXPECT_EQ(DumpRegister(reg), (std::vector<Row>{{"Beta/Vex", "Zorg", "1", "2", ""}, {kOwner, "Krell", "10", "20", "A"}}));
}

TEST(PactRegister, RenameOwnerOntoAKeyWithPactsMergesTheMovedPeriodsIn)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "A");
    reg.AddPact(kOwner, "Vex", 1, 5, "");
    reg.AddPact("Alpha", "Krell", 15, 25, "B");
    reg.AddPact("Alpha", "Krell", 30, 40, "C");
    reg.AddPact("Alpha", "Zorn", 3, 4, "");
    reg.AddPact("Alpha", "Empty", 9, 1, "");
    reg.RenameOwner("Alpha", kOwner);
    EXPECT_EQ(reg.FindOwner("Alpha"), nullptr);
    EXPECT_EQ(DumpRegister(reg), (std::vector<Row>{
                                     {kOwner, "Krell", "10", "14", "A"},
                                     {kOwner, "Krell", "15", "25", "B"},
                                     {kOwner, "Krell", "30", "40", "C"},
                                     {kOwner, "Vex", "1", "5", ""},
                                     {kOwner, "Zorn", "3", "4", ""},
                                     {kOwner, "Empty"},
                                 }));
}

} // namespace
