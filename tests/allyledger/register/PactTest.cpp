#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <random>
#include <vector>

#include "allyledger/register/Pact.h"

namespace allyledger::pacts {
void PrintTo(const PactPeriod& period, std::ostream* out)
{
    *out << "[" << period.from << ", " << period.till << "] \"" << period.conditions.str() << "\"";
}
} // namespace allyledger::pacts

namespace {

using allyledger::pacts::PactPeriod;
using Periods = std::vector<PactPeriod>;

// Builds a history from periods already in order, so that every Insert appends.
void Fill(CPact& pact, const Periods& periods)
{
    for (const auto& p : periods)
        pact.Insert(p.from, p.till, p.conditions);
}

Periods PeriodsOf(const CPact& pact)
{
    Periods periods;
    for (int k = 0; k < pact.GetCount(); ++k)
        periods.push_back(pact.GetPeriod(k));
    return periods;
}

constexpr DWORD kTop = 0xFFFFFFFFu;

TEST(Pact, InsertMergesANewPeriodAsRecordedPactsRequire)
{
    struct Case {
        const char* behaviour;
        Periods before;
        PactPeriod inserted;
        Periods after;
    } cases[] = {
        {"into an empty history", {}, {10, 20, "A"}, {{10, 20, "A"}}},
        {"after the last period: appended", {{10, 20, "A"}}, {21, 30, "B"}, {{10, 20, "A"}, {21, 30, "B"}}},
        {"appended even when adjacent with equal conditions", {{10, 20, "A"}}, {21, 30, "A"}, {{10, 20, "A"}, {21, 30, "A"}}},
        {"a later period that starts inside it is deleted", {{10, 20, "A"}, {21, 30, "B"}}, {15, 25, "A"}, {{10, 25, "A"}}},
        {"different conditions split the period it starts in", {{10, 20, "A"}, {30, 40, "B"}}, {15, 25, "D"},
         {{10, 14, "A"}, {15, 25, "D"}, {30, 40, "B"}}},
        {"wholly before: inserted in front", {{10, 20, "A"}}, {5, 8, "A"}, {{5, 8, "A"}, {10, 20, "A"}}},
        {"adjacent in front: inserted, not joined", {{10, 20, "A"}}, {5, 9, "A"}, {{5, 9, "A"}, {10, 20, "A"}}},
        {"equal conditions: the new Till wins, even shorter", {{10, 20, "A"}}, {5, 12, "A"}, {{5, 12, "A"}}},
        {"equal conditions inside: the period shrinks to the new Till", {{10, 20, "A"}}, {12, 15, "A"}, {{10, 15, "A"}}},
        {"different conditions inside: the tail of the old period is gone", {{10, 20, "A"}}, {12, 15, "B"},
         {{10, 11, "A"}, {12, 15, "B"}}},
        {"same From, different conditions: replaced", {{10, 30, "X"}}, {10, 20, ""}, {{10, 20, ""}}},
        {"from after till: nothing", {{10, 20, "A"}}, {20, 10, "B"}, {{10, 20, "A"}}},
        {"covering several: one period replaces them", {{10, 20, "A"}, {30, 40, "B"}, {50, 60, "C"}}, {5, 55, "D"},
         {{5, 55, "D"}}},
        {"in a gap: inserted between", {{10, 20, "A"}, {30, 40, "B"}}, {22, 28, "C"},
         {{10, 20, "A"}, {22, 28, "C"}, {30, 40, "B"}}},
        {"overlapping the start of a period with equal conditions: extended back", {{10, 20, "A"}, {30, 40, "B"}},
         {25, 35, "B"}, {{10, 20, "A"}, {25, 35, "B"}}},
        {"over the next period with its conditions", {{10, 20, "A"}, {21, 30, "B"}}, {15, 25, "B"},
         {{10, 14, "A"}, {15, 25, "B"}}},
        {"the same period again: unchanged", {{10, 20, "A"}}, {10, 20, "A"}, {{10, 20, "A"}}},
        {"periods that begin after its Till stay", {{10, 20, "A"}, {26, 30, "B"}}, {12, 25, "C"},
         {{10, 11, "A"}, {12, 25, "C"}, {26, 30, "B"}}},
        {"turns compare unsigned: the top turns come last", {{10, 20, "A"}}, {kTop - 5, kTop, "B"},
         {{10, 20, "A"}, {kTop - 5, kTop, "B"}}},
        {"turn 0 goes first", {{10, 20, "A"}}, {0, 0, "B"}, {{0, 0, "B"}, {10, 20, "A"}}},
    };
    for (const auto& c : cases) {
        CPact pact;
        Fill(pact, c.before);
        pact.Insert(c.inserted.from, c.inserted.till, c.inserted.conditions);
        EXPECT_EQ(PeriodsOf(pact), c.after) << c.behaviour;
    }
}

TEST(Pact, GetExpiryReadsAcrossAdjacentPeriodsOnly)
{
    struct Case {
        Periods periods;
        DWORD turn;
        DWORD expiry;
    } cases[] = {
        {{}, 10, 0},
        {{{10, 20, "A"}}, 9, 0},
        {{{10, 20, "A"}}, 10, 20},
        {{{10, 20, "A"}}, 20, 20},
        {{{10, 20, "A"}}, 21, 0},
        {{{10, 20, "A"}, {21, 30, "B"}}, 15, 30},
        {{{10, 20, "A"}, {21, 30, "B"}}, 21, 30},
        {{{5, 8, "A"}, {10, 20, "A"}}, 6, 8},
        {{{5, 8, "A"}, {10, 20, "A"}}, 9, 0},
        {{{5, 9, "A"}, {10, 20, "A"}}, 6, 20},
        {{{1, 2, "A"}, {3, 4, "B"}, {5, 6, "C"}, {8, 9, "D"}}, 1, 6},
        {{{1, 2, "A"}, {3, 4, "B"}, {5, 6, "C"}, {8, 9, "D"}}, 7, 0},
        {{{1, 2, "A"}, {3, 4, "B"}, {5, 6, "C"}, {8, 9, "D"}}, 8, 9},
        {{{0, 5, ""}}, 0, 5},
        {{{kTop - 1, kTop, ""}}, kTop, kTop},
    };
    for (const auto& c : cases) {
        CPact pact;
        Fill(pact, c.periods);
        EXPECT_EQ(pact.GetExpiry(c.turn), c.expiry) << "turn " << c.turn << " over " << c.periods.size() << " periods";
    }
}

TEST(Pact, GetConditionsTakesOnlyThePeriodThatCoversTheTurn)
{
    CPact pact;
    Fill(pact, {{10, 20, "A"}, {21, 30, "B"}, {40, 50, "N/T"}});
    const std::pair<DWORD, const char*> cases[] = {
        {9, ""}, {10, "A"}, {20, "A"}, {21, "B"}, {25, "B"}, {31, ""}, {45, "N/T"}, {51, ""},
    };
    for (const auto& [turn, conditions] : cases)
        EXPECT_EQ(pact.GetConditions(turn), conditions) << turn;
}

TEST(Pact, BreakAtEndsThePactAtTheTurn)
{
    struct Case {
        Periods before;
        DWORD turn;
        Periods after;
    } cases[] = {
        {{}, 5, {}},
        {{{10, 20, "A"}}, 15, {{10, 15, "A"}}},
        {{{10, 20, "A"}}, 5, {}},
        {{{10, 20, "A"}}, 10, {{10, 10, "A"}}},
        {{{10, 20, "A"}}, 20, {{10, 20, "A"}}},
        {{{10, 20, "A"}}, 30, {{10, 20, "A"}}},
        {{{10, 20, "A"}, {30, 40, "B"}}, 25, {{10, 20, "A"}}},
        {{{10, 20, "A"}, {30, 40, "B"}}, 20, {{10, 20, "A"}}},
        {{{10, 20, "A"}, {30, 40, "B"}}, 30, {{10, 20, "A"}, {30, 30, "B"}}},
        {{{10, 20, "A"}, {30, 40, "B"}}, 9, {}},
        {{{10, 20, "A"}, {21, 30, "B"}, {31, 40, "C"}}, 25, {{10, 20, "A"}, {21, 25, "B"}}},
    };
    for (const auto& c : cases) {
        CPact pact;
        Fill(pact, c.before);
        pact.BreakAt(c.turn);
        EXPECT_EQ(PeriodsOf(pact), c.after) << "break at " << c.turn;
    }
}

TEST(Pact, RemoveBeforeDropsThePeriodsThatEndedBeforeTheTurn)
{
    const Periods two = {{10, 20, "A"}, {21, 30, "B"}};
    struct Case {
        Periods before;
        DWORD turn;
        Periods after;
    } cases[] = {
        {two, 21, {{21, 30, "B"}}},
        {two, 20, two},
        {two, 0, two},
        {two, 31, {}},
        {two, 30, {{21, 30, "B"}}},
        {{}, 5, {}},
    };
    for (const auto& c : cases) {
        CPact pact;
        Fill(pact, c.before);
        pact.RemoveBefore(c.turn);
        EXPECT_EQ(PeriodsOf(pact), c.after) << "remove before " << c.turn;
    }
}

TEST(Pact, AppendLinesWritesOneFileLinePerPeriodWithSignedTurns)
{
    CPact pact;
    Fill(pact, {{10, 20, "N/T"}, {25, 30, ""}, {kTop - 5, kTop, "X"}});
    CStringList lines;
    lines.AddTail("before");
    pact.AppendLines("Krell", lines);
    std::vector<std::string> texts;
    for (POSITION pos = lines.GetHeadPosition(); pos;)
        texts.push_back(lines.GetNext(pos).str());
    EXPECT_EQ(texts, (std::vector<std::string>{"before", "Krell,10,20,N/T", "Krell,25,30,", "Krell,-6,-1,X"}));
}

// Random insertions, breaks and removals keep the periods sorted and disjoint, and the
// bisection finds what a plain scan over the periods finds.
TEST(Pact, LookupsAgreeWithAScanAfterRandomChanges)
{
    std::mt19937 random(12345);
    const char* conditions[] = {"", "A", "B"};
    for (int round = 0; round < 200; ++round) {
        CPact pact;
        for (int step = 0; step < 40; ++step) {
            const DWORD a = random() % 120;
            const DWORD b = a + random() % 15;
            switch (random() % 10) {
            case 0: pact.BreakAt(a); break;
            case 1: pact.RemoveBefore(a / 4); break;
            default: pact.Insert(a, b, conditions[random() % 3]); break;
            }
        }
        const Periods periods = PeriodsOf(pact);
        for (size_t k = 0; k < periods.size(); ++k) {
            ASSERT_LE(periods[k].from, periods[k].till);
            if (k > 0) {
                ASSERT_LT(periods[k - 1].till, periods[k].from);
            }
        }
        for (DWORD turn = 0; turn < 140; ++turn) {
            DWORD expiry = 0;
            CString covering;
            for (size_t k = 0; k < periods.size(); ++k) {
                if (periods[k].from <= turn && turn <= periods[k].till) {
                    covering = periods[k].conditions;
                    size_t last = k;
                    while (last + 1 < periods.size() && periods[last].till + 1 == periods[last + 1].from)
                        ++last;
                    expiry = periods[last].till;
                }
            }
            ASSERT_EQ(pact.GetExpiry(turn), expiry) << "round " << round << " turn " << turn;
            ASSERT_EQ(pact.GetConditions(turn), covering) << "round " << round << " turn " << turn;
        }
    }
}

} // namespace
