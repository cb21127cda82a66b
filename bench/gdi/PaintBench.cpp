// A full paint of an 800 x 600 memory surface laid out as a grid of 600 cells: each cell is
// filled, gets one grid line each way and an eight-character number drawn right-aligned, as a
// projection table paints its cells. "Warm" paints with every font and glyph already made;
// "Cold" drops the font caches before each paint, as the first paint of a program finds them.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/gdi/DC.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/StockObjects.h"

namespace {

constexpr int surfaceWidth = 800;
constexpr int surfaceHeight = 600;
constexpr int columns = 15;
constexpr int rows = 40;

struct Scene {
    CDC dc;
    CBitmap bitmap;
    CFont font;
    CPen gridPen{PS_SOLID, 1, 0xC0C0C0};
    char texts[rows * columns][12] = {};

    Scene()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, surfaceWidth, surfaceHeight);
        dc.SelectObject(&bitmap);
        const LOGFONT lf = platform::MessageFontDescription();
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SelectObject(&gridPen);
        dc.SetBkMode(TRANSPARENT);
        for (int i = 0; i < rows * columns; ++i)
            std::snprintf(texts[i], sizeof texts[i], "%8.2f", (i * 7919 % 100000) / 100.0);
    }

    void Paint()
    {
        const int cx = surfaceWidth / columns, cy = surfaceHeight / rows;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                CRect cell(c * cx, r * cy, (c + 1) * cx, (r + 1) * cy);
                dc.FillSolidRect(&cell, (r + c) % 2 ? 0xFFFFFF : 0xCCFFFF);
                dc.MoveTo(cell.right - 1, cell.top), dc.LineTo(cell.right - 1, cell.bottom);
                dc.MoveTo(cell.left, cell.bottom - 1), dc.LineTo(cell.right, cell.bottom - 1);
                cell.DeflateRect(2, 0);
                dc.DrawText(texts[r * columns + c], 8, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
            }
    }
};

void BM_PaintWarm(benchmark::State& state)
{
    Scene scene;
    scene.Paint();
    for (auto _ : state) {
        scene.Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintWarm)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_PaintCold(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        state.PauseTiming();
        platform::FontEngine::Instance().DropCaches();
        state.ResumeTiming();
        scene.Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintCold)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
