#include "ProjectionModel.h"

#include <cstring>
#include <new>

namespace growthmark {

namespace {

constexpr double kGrowthShare = 0.01;
constexpr double kPopulationPerColonist = 8.0;
constexpr double kColonistsPerPopulation = 0.125;
constexpr double kPopulationWeight = 0.25;
constexpr double kIndustryWeight = 0.75;
constexpr double kCapitalShare = 0.2;
constexpr double kResourceLoss = 0.3;
constexpr double kSizeGain = 0.1;
constexpr double kLargestSize = 2500;
constexpr double kNoMaterials = 0.0;

} // namespace

int ProductionModeOf(const char* production)
{
    if (std::strcmp(production, "_TerraForming_Research") == 0)
        return ModeTerraform;
    if (std::strcmp(production, "Capital") == 0)
        return ModeCapital;
    return ModeOther;
}

std::array<std::unique_ptr<double[]>*, 15> ProjectionModel::DoubleSeries()
{
    return {&AddCol, &AddCap, &AddMat, &ColRoom, &CapRoom, &S, &R, &P, &I, &L, &CapMade, &CapStock, &M, &ColGrowth, &ColStock};
}

void ProjectionModel::ApplyMinimumTurns()
{
    if (Seed.TurnCount < kMinimumTurns)
        Seed.TurnCount = kMinimumTurns;
}

bool ProjectionModel::Allocate()
{
    if (Seed.TurnCount < 1)
        return false;
    const std::size_t n = std::size_t(Seed.TurnCount);
    try {
        for (auto* series : DoubleSeries())
            *series = std::make_unique<double[]>(n);
        ProductionMode = std::make_unique<int[]>(n);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_turns = Seed.TurnCount;
    m_allocated = true;
    return true;
}

void ProjectionModel::Start()
{
    for (int t = 0; t < m_turns; ++t) {
        for (auto* series : DoubleSeries())
            (*series)[t] = 0;
        S[t] = Seed.InitialSize;
        R[t] = Seed.InitialResources;
        ProductionMode[t] = ModeCapital;
    }
    P[0] = Seed.InitialPopulation;
    I[0] = Seed.InitialIndustry;
    L[0] = Seed.InitialProductivity;
    M[0] = Seed.InitialMaterials;
    ColStock[0] = Seed.InitialColonistStock;
    CapStock[0] = Seed.InitialCapitalStock;
    ProductionMode[0] = Seed.InitialMode;
    ColGrowth[0] = P[0] * kGrowthShare;
    ColRoom[0] = (S[0] - P[0]) * kColonistsPerPopulation;
    CapRoom[0] = S[0] - I[0];
}

double ProjectionModel::CapitalFormula(int t) const
{
    const double l = L[t];
    const double m = M[t];
    const double r = R[t];
    const double x = l * kCapitalShare;
    if (x > m)
        return l / ((1.0 / r + 5.0) - (m * 5.0) / (r * l));
    return x;
}

void ProjectionModel::Recalculate(int first)
{
    if (!m_allocated)
        return;
    if (first < 1)
        first = 1;
    CapMade[0] = ProductionMode[0] == ModeCapital ? CapitalFormula(0) : 0;
    for (int t = first; t < m_turns; ++t)
        Step(t);
}

// One turn from the turn before it. The order of the steps matters: each uses what the steps
// before it computed for the same turn.
void ProjectionModel::Step(int t)
{
    const int p = t - 1;
    M[t] = M[p] - CapMade[p];
    if (M[t] < kNoMaterials)
        M[t] = kNoMaterials;
    M[t] = AddMat[t] + M[t];

    if (ProductionMode[p] != ModeTerraform) {
        R[t] = R[p];
        S[t] = S[p];
    } else {
        R[t] = (1.0 - (L[p] * kResourceLoss) / S[p]) * R[p];
        S[t] = L[p] * kSizeGain + S[p];
        if (!(S[t] < kLargestSize))
            S[t] = kLargestSize;
        M[t] = kNoMaterials;
    }

    P[t] = (ColGrowth[p] + ColStock[p] + AddCol[t]) * kPopulationPerColonist + P[p];
    if (P[t] > S[t]) {
        ColStock[t] = (P[t] - S[t]) * kColonistsPerPopulation;
        P[t] = S[t];
        ColRoom[t] = 0;
    } else {
        ColStock[t] = 0;
        ColRoom[t] = (S[t] - P[t]) * kColonistsPerPopulation;
    }
    ColGrowth[t] = P[t] * kGrowthShare;

    I[t] = CapMade[p] + CapStock[p] + AddCap[t] + I[p];
    CapRoom[t] = S[t] - I[t];
    if (I[t] > P[t]) {
        CapStock[t] = I[t] - P[t];
        I[t] = P[t];
    } else {
        CapStock[t] = 0;
    }
    L[t] = P[t] * kPopulationWeight + I[t] * kIndustryWeight;
    CapMade[t] = ProductionMode[t] == ModeCapital ? CapitalFormula(t) : 0;
}

void ProjectionModel::CycleMode(int t)
{
    if (!m_allocated || t < 0 || t >= m_turns)
        return;
    int mode = ProductionMode[t] + 1;
    if (mode > ModeOther)
        mode = ModeTerraform;
    ProductionMode[t] = mode;
}

void ProjectionModel::SetAddition(int col, int t, double value)
{
    if (!m_allocated || t < 0 || t >= m_turns)
        return;
    std::unique_ptr<double[]>* series[] = {nullptr, &AddCol, &AddCap, &AddMat};
    if (col < 1 || col > 3)
        return;
    (*series[col])[t] = value;
}

} // namespace growthmark
