#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "growthmark/ProjectionModel.h"

using namespace growthmark;

namespace {

// The planet of the worked example: size 1000, population 500, industry 200, productivity 275,
// resources 10, nothing in stock, producing capital.
ProjectionSeed exampleSeed()
{
    ProjectionSeed seed;
    seed.InitialMode = ModeCapital;
    seed.InitialSize = 1000;
    seed.InitialPopulation = 500;
    seed.InitialIndustry = 200;
    seed.InitialProductivity = 275;
    seed.InitialResources = 10;
    seed.TurnCount = 10;
    return seed;
}

void build(ProjectionModel& model, const ProjectionSeed& seed)
{
    model.Seed = seed;
    model.ApplyMinimumTurns();
    ASSERT_TRUE(model.Allocate());
    model.Start();
    model.Recalculate(1);
}

double cents(double value) { return std::round(value * 100) / 100; }

} // namespace

TEST(ProjectionModel, WorkedExampleToTwoDecimals)
{
    ProjectionModel m;
    build(m, exampleSeed());
    struct Expect {
        const char* what;
        double actual;
        double expected;
    } values[] = {
        {"CapMade[0]", m.CapMade[0], 53.92},  {"ColGrowth[0]", m.ColGrowth[0], 5.00},
        {"ColRoom[0]", m.ColRoom[0], 62.50},  {"CapRoom[0]", m.CapRoom[0], 800.00},
        {"P[1]", m.P[1], 540.00},             {"I[1]", m.I[1], 253.92},
        {"L[1]", m.L[1], 325.44},             {"CapMade[1]", m.CapMade[1], 63.81},
        {"M[1]", m.M[1], 0.00},               {"ColGrowth[1]", m.ColGrowth[1], 5.40},
        {"ColRoom[1]", m.ColRoom[1], 57.50},  {"CapRoom[1]", m.CapRoom[1], 746.08},
        {"P[2]", m.P[2], 583.20},             {"I[2]", m.I[2], 317.73},
        {"L[2]", m.L[2], 384.10},             {"CapMade[2]", m.CapMade[2], 75.31},
    };
    for (const auto& v : values)
        EXPECT_DOUBLE_EQ(cents(v.actual), v.expected) << v.what;
}

TEST(ProjectionModel, TurnCountIsRaisedToTen)
{
    for (auto [asked, shown] : {std::pair{3, 10}, {0, 10}, {-4, 10}, {10, 10}, {25, 25}}) {
        ProjectionModel m;
        ProjectionSeed seed = exampleSeed();
        seed.TurnCount = asked;
        build(m, seed);
        EXPECT_EQ(m.Turns(), shown) << asked;
    }
}

TEST(ProjectionModel, ProductionTextsAreComparedExactly)
{
    struct Case {
        const char* text;
        int mode;
    } cases[] = {
        {"_TerraForming_Research", ModeTerraform}, {"Capital", ModeCapital}, {"capital", ModeOther},
        {"Capital ", ModeOther}, {"", ModeOther}, {"_terraforming_research", ModeOther}, {"Drive", ModeOther},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProductionModeOf(c.text), c.mode) << '"' << c.text << '"';
}

// Each case changes the example planet and checks one limit of the computation at index 1.
TEST(ProjectionModel, LimitsAreStrict)
{
    struct Case {
        const char* name;
        void (*seed)(ProjectionSeed&);
        void (*check)(const ProjectionModel&);
    } cases[] = {
        {"population landing exactly on size",
         [](ProjectionSeed& s) { s.InitialSize = 1080; s.InitialPopulation = 1000; s.InitialMode = ModeOther; },
         [](const ProjectionModel& m) {
             EXPECT_EQ(m.P[1], 1080);
             EXPECT_EQ(m.ColStock[1], 0);
             EXPECT_EQ(m.ColRoom[1], 0);
         }},
        {"industry equal to population leaves no capital stock",
         [](ProjectionSeed& s) { s.InitialPopulation = 500; s.InitialIndustry = 540; s.InitialMode = ModeOther; },
         [](const ProjectionModel& m) {
             EXPECT_EQ(m.P[1], 540);
             EXPECT_EQ(m.I[1], 540);
             EXPECT_EQ(m.CapStock[1], 0);
             EXPECT_EQ(m.CapRoom[1], 1000 - 540);
         }},
        {"industry above population is carried as stock, room taken before the cap",
         [](ProjectionSeed& s) { s.InitialIndustry = 600; s.InitialMode = ModeOther; },
         [](const ProjectionModel& m) {
             EXPECT_EQ(m.I[1], 540);
             EXPECT_EQ(m.CapStock[1], 60);
             EXPECT_EQ(m.CapRoom[1], 1000 - 600);
         }},
        {"a fifth of productivity equal to materials makes that fifth",
         [](ProjectionSeed& s) { s.InitialMaterials = 55; },
         [](const ProjectionModel& m) { EXPECT_EQ(m.CapMade[0], 55); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectionSeed seed = exampleSeed();
        c.seed(seed);
        ProjectionModel m;
        build(m, seed);
        c.check(m);
    }
}

TEST(ProjectionModel, ColonistsBeyondSizeReturnAsStockATurnLater)
{
    ProjectionSeed seed = exampleSeed();
    seed.InitialPopulation = 1000;
    seed.InitialMode = ModeOther;
    ProjectionModel m;
    build(m, seed);
    EXPECT_EQ(m.ColGrowth[0], 10);
    EXPECT_EQ(m.P[1], 1000);
    EXPECT_EQ(m.ColStock[1], 10);
    EXPECT_EQ(m.ColRoom[1], 0);
    // Growth 10 and stock 10 enter as 160 population, of which 20 colonists do not fit.
    EXPECT_EQ(m.ColStock[2], 20);
}

TEST(ProjectionModel, TerraformingRaisesSizeUpToTheCapAndClearsMaterials)
{
    struct Case {
        double size, productivity;
        double nextSize;
    } cases[] = {
        {1000, 275, 1027.5},
        {2490, 275, 2500},
        {2500, 275, 2500},
    };
    for (const auto& c : cases) {
        ProjectionSeed seed = exampleSeed();
        seed.InitialMode = ModeTerraform;
        seed.InitialSize = c.size;
        seed.InitialProductivity = c.productivity;
        seed.InitialMaterials = 40;
        ProjectionModel m;
        build(m, seed);
        m.SetAddition(3, 1, 25);
        m.Recalculate(1);
        EXPECT_EQ(m.S[1], c.nextSize) << c.size;
        EXPECT_DOUBLE_EQ(m.R[1], (1.0 - 275 * 0.3 / c.size) * 10) << c.size;
        EXPECT_EQ(m.M[1], 0) << "materials added in the turn after terraforming are lost too";
        EXPECT_EQ(m.CapMade[0], 0);
    }
}

TEST(ProjectionModel, ModeCyclesBackAfterThreeSwitches)
{
    ProjectionModel m;
    build(m, exampleSeed());
    const int seen[] = {ModeOther, ModeTerraform, ModeCapital};
    for (int expected : seen) {
        m.CycleMode(4);
        EXPECT_EQ(m.ProductionMode[4], expected);
    }
}

TEST(ProjectionModel, SwitchingTheFirstTurnRecomputesFromItsCapital)
{
    ProjectionModel m;
    build(m, exampleSeed());
    const double before = m.I[2];
    m.CycleMode(0);
    m.Recalculate(0);
    EXPECT_EQ(m.ProductionMode[0], ModeOther);
    EXPECT_EQ(m.CapMade[0], 0);
    EXPECT_DOUBLE_EQ(cents(m.I[1]), 200.00);
    EXPECT_NE(m.I[2], before);
}

TEST(ProjectionModel, RecalculateKeepsEarlierTurns)
{
    ProjectionModel m;
    build(m, exampleSeed());
    const double earlier[] = {m.P[3], m.I[3], m.M[3]};
    m.SetAddition(1, 5, 100);
    m.Recalculate(5);
    EXPECT_EQ(m.P[3], earlier[0]);
    EXPECT_EQ(m.I[3], earlier[1]);
    EXPECT_EQ(m.M[3], earlier[2]);
    ProjectionModel fresh;
    build(fresh, exampleSeed());
    fresh.SetAddition(1, 5, 100);
    fresh.Recalculate(1);
    for (int t = 0; t < m.Turns(); ++t)
        EXPECT_EQ(m.P[t], fresh.P[t]) << t;
}

TEST(ProjectionModel, UnguardedDivisionsCarryIntoLaterTurns)
{
    ProjectionSeed seed = exampleSeed();
    seed.InitialResources = 0;
    ProjectionModel m;
    build(m, seed);
    // No resources divide by zero in the capital formula; the result is not a number, not a trap.
    EXPECT_TRUE(std::isnan(m.CapMade[0]));
    EXPECT_TRUE(std::isnan(m.I[1]));
    seed.InitialMode = ModeTerraform;
    seed.InitialSize = 0;
    seed.InitialResources = 10;
    ProjectionModel t;
    build(t, seed);
    EXPECT_TRUE(std::isinf(t.R[1]));
}
