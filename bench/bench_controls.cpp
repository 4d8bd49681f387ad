// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the list: 2,000 rows of 12 cells, every row drawn once, offscreen.
#include "xlistctrl.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

void FillList(CXListCtrl& list) {
    for (int c = 0; c < 12; ++c)
        list.InsertColumn(QString("Column %1").arg(c),
                          c == 7 || c == 8 ? Qt::AlignHCenter : Qt::AlignLeft, c == 2 ? 200 : 90);
    const ColorRef text = Rgb(0, 0, 0), back = Rgb(200, 255, 255);
    list.SetRedraw(false);
    for (int r = 0; r < 2000; ++r) {
        const int row = list.InsertItem(r, "");
        for (int c = 0; c < 12; ++c)
            list.SetItemText(row, c,
                             c == 7 || c == 8 ? QString() : QString("Cell %1.%2").arg(r).arg(c),
                             text, back);
        list.SetItemImage(row, 6, r % 50);
        list.SetCheckState(row, 7, r % 2);
        list.SetCheckState(row, 8, 1);
    }
    list.SetRedraw(true);
}

void BM_PaintList2000x12(benchmark::State& state) {
    CXListCtrl list;
    FillList(list);
    list.resize(1300, 800);
    list.show();
    QApplication::processEvents();
    QImage page(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QScrollBar* bar = list.verticalScrollBar();
    for (auto _ : state) {
        // One page of rows at a time until every row has been painted.
        int pages = 0;
        for (int top = 0; top <= bar->maximum() + bar->pageStep(); top += bar->pageStep()) {
            bar->setValue(top);
            list.viewport()->render(&page);
            ++pages;
        }
        benchmark::DoNotOptimize(page.bits());
        state.counters["pages"] = pages;
    }
}
BENCHMARK(BM_PaintList2000x12)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
