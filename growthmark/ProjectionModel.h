// The development projection of one planet: its seed values and the sixteen series, one element
// a turn, and the turn-by-turn computation that fills them. Index 0 is the current turn.
#pragma once

#include <array>
#include <memory>

#include "platform/core/String.h"

namespace growthmark {

enum ProductionModeValue : int { ModeTerraform = 0, ModeCapital = 1, ModeOther = 2 };

// The production mode that a planet's production text stands for; compared byte for byte.
int ProductionModeOf(const char* production);

// What a projection starts from, set by the window that opens it.
struct ProjectionSeed {
    int InitialMode = ModeOther;
    double InitialSize = 0;
    double InitialPopulation = 0;
    double InitialIndustry = 0;
    double InitialProductivity = 0;
    double InitialResources = 0;
    double InitialMaterials = 0;
    double InitialColonistStock = 0;
    double InitialCapitalStock = 0;
    int TurnCount = 0;
    int FirstTurn = 0;
};

// The smallest number of turns a projection shows.
inline constexpr int kMinimumTurns = 10;

class ProjectionModel {
public:
    ProjectionSeed Seed;

    // A projection shows at least the minimum number of turns.
    void ApplyMinimumTurns();
    // Allocates every series for the turn count. FALSE when memory runs out; the series
    // allocated before that stay owned by the model, and the model stays unusable.
    bool Allocate();
    bool IsAllocated() const { return m_allocated; }
    int Turns() const { return m_turns; }

    // Fills every turn with its starting values and seeds index 0 from the seed values.
    void Start();
    // Capital made in a turn spent on capital.
    double CapitalFormula(int t) const;
    // Recomputes CapMade[0] and every index from max(first, 1) on.
    void Recalculate(int first);
    // Cycles a turn's mode through terraforming, capital and other.
    void CycleMode(int t);
    // Stores what was typed into column 1, 2 or 3 of a turn; other columns store nothing.
    void SetAddition(int col, int t, double value);

    std::unique_ptr<double[]> AddCol, AddCap, AddMat;
    std::unique_ptr<double[]> ColRoom, CapRoom;
    std::unique_ptr<double[]> S, R, P, I, L;
    std::unique_ptr<double[]> CapMade, CapStock, M;
    std::unique_ptr<double[]> ColGrowth, ColStock;
    std::unique_ptr<int[]> ProductionMode;

private:
    std::array<std::unique_ptr<double[]>*, 15> DoubleSeries();
    void Step(int t);

    int m_turns = 0;
    bool m_allocated = false;
};

} // namespace growthmark
