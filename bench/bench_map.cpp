// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of the map face with 100,000 waypoints in the document, offscreen.
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "cellfont.h"
#include "mapface.h"
#include "prompt.h"
#include "res/resource.h"
#include "tilecompose.h"
#include "tilepattern.h"
#include "tileservice.h"
#include "undocommands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMouseEvent>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <chrono>
#include <malloc.h>
#include <random>

namespace {

class CQuietPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string&, const std::string&, EPromptButtons,
                      EPromptIcon) override {
        return EPromptAnswer::no;
    }
};

void BM_MapPaint100k(benchmark::State& state) {
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> lat(47.0, 47.6), lon(-122.5, -121.5);
    for (int i = 0; i < 100'000; ++i) {
        auto e =
            std::make_unique<CWayEntry>("W" + std::to_string(i), "", lat(rng), lon(rng), 0, 0, 1);
        e->m_nIcon = static_cast<std::uint8_t>(i % 50);
        doc.m_WayList.push_back(std::move(e));
    }
    CCairnbookView view(doc);
    view.resize(1000, 700);
    view.OnInitialUpdate();
    view.OnCommand(res::ID_VIEW_MAP);
    view.MapFace().SetFrame(CMapFrame{static_cast<int>(state.range(0)), -122.0, 47.3});
    if (state.range(1)) {
        const QString file = QDir::temp().filePath("cairnbook-bench-map.mbtiles");
        QFile::remove(file);
        WritePatternMbTiles(file, 10, 14, 46.5, -123.2, 48.1, -120.8);
        CTileService::Instance().SetSource(MapSourceFromArgument(file));
        view.OnCommand(res::ID_MAP_AERIAL);
    }
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    view.render(&image); // asks for the tiles, which stay held once read
    while (!view.MapSettled())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
// Level 16 fits the waypoints in the view; level 13 crowds them into a few hundred pixels.
// Second argument 1: over tiles of an MBTiles file, already read.
BENCHMARK(BM_MapPaint100k)
    ->Args({16, 0})
    ->Args({13, 0})
    ->Args({16, 1})
    ->Unit(benchmark::kMillisecond);

// A full-HD frame composed from tiles held in memory.
void BM_ComposeFrame1080p(benchmark::State& state) {
    const COuterRect outer{-2, -2, 1922, 1082};
    const CMapFrame frame{static_cast<int>(state.range(0)), -122.0, 47.3};
    const int z = TileZoomFor(MetresPerPixel(frame.m_nScale), frame.m_dCenterLat, 19);
    QHash<std::uint64_t, QImage> held;
    for (const CTileKey& key : TilesOfFrame(MapFrameToTiles(frame, outer, z)))
        held.insert(key.Packed(), PatternTile(1, key.z, key.x, key.y)
                                      .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    for (auto _ : state) {
        const CFrameTileMap map = MapFrameToTiles(frame, outer, z);
        const QImage picture = ComposeFrame(map, [&held](const CTileKey& k) {
            const auto it = held.constFind(k.Packed());
            return it == held.constEnd() ? nullptr : &it.value();
        });
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["tiles"] = double(held.size());
}
BENCHMARK(BM_ComposeFrame1080p)->Arg(12)->Arg(16)->Unit(benchmark::kMillisecond);

// One waypoint deleted from a document of a million, as a step of the undo
// history, then undone; and what a hundred such steps hold.
void BM_UndoDelete1M(benchmark::State& state) {
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    for (int i = 0; i < 1'000'000; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>("W" + std::to_string(i), "Bench waypoint",
                                                 40 + i * 1e-5, -120, 0, 0, 1));
    QUndoStack stack;
    stack.setUndoLimit(100);
    std::size_t place = 123'456;
    for (auto _ : state) {
        if (state.range(0) == 0) { // delete
            stack.push(new CDeleteCommand(doc, "Delete 1 Waypoint", {place}));
            state.PauseTiming();
            stack.undo();
            state.ResumeTiming();
        } else { // undo
            state.PauseTiming();
            stack.push(new CDeleteCommand(doc, "Delete 1 Waypoint", {place}));
            state.ResumeTiming();
            stack.undo();
        }
        place = (place + 7919) % 1'000'000;
    }
    stack.clear();
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) {
        stack.push(new CDeleteCommand(doc, "Delete 1 Waypoint", {std::size_t(i) * 9000}));
    }
    state.counters["bytes_per_100_steps"] = double(mallinfo2().uordblks - before);
}
BENCHMARK(BM_UndoDelete1M)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

// The mouse moved over a map of a million waypoints, all in view: one move
// event to the map face, its hover look-up and tip included. The first move
// of a frame files the waypoints (reported apart as file_ms).
void BM_MapHover1M(benchmark::State& state) {
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> lat(47.2, 47.4), lon(-122.2, -121.8);
    for (int i = 0; i < 1'000'000; ++i)
        doc.m_WayList.push_back(
            std::make_unique<CWayEntry>("W" + std::to_string(i), "c", lat(rng), lon(rng), 0, 0, 1));
    CCairnbookView view(doc);
    view.resize(1000, 700);
    view.OnInitialUpdate();
    view.OnCommand(res::ID_VIEW_MAP);
    view.MapFace().SetFrame(CMapFrame{16, -122.0, 47.3});
    auto move = [&view](QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, view.MapFace().mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view.MapFace(), &event);
    };
    const auto start = std::chrono::steady_clock::now();
    move(QPoint(500, 350));
    state.counters["file_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::uniform_int_distribution<int> px(0, 999), py(0, 650);
    for (auto _ : state)
        move(QPoint(px(rng), py(rng)));
}
BENCHMARK(BM_MapHover1M)->Unit(benchmark::kMicrosecond);

// The longest time the GUI thread spent on one event while timed.
double g_longestEventMs = 0;
bool g_timeEvents = false;

class CTimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        if (!g_timeEvents)
            return QApplication::notify(receiver, event);
        const auto start = std::chrono::steady_clock::now();
        const bool done = QApplication::notify(receiver, event);
        g_longestEventMs = std::max(g_longestEventMs, std::chrono::duration<double, std::milli>(
                                                          std::chrono::steady_clock::now() - start)
                                                          .count());
        return done;
    }
};

// Frames of a map over an MBTiles file panned to places whose tiles are not
// held: each frame is composed at once from what is there, while the file is
// read and its tiles decoded on other threads. longest_event_ms is the
// longest the GUI thread spent on one event (a paint included).
void BM_MapFramesWhileAFileIsRead(benchmark::State& state) {
    const QString file = QDir::temp().filePath("cairnbook-bench-read.mbtiles");
    QFile::remove(file);
    WritePatternMbTiles(file, 12, 14, 47.1, -122.3, 47.5, -121.7);
    CTileService::Instance().SetSource(MapSourceFromArgument(file));
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    CCairnbookView view(doc);
    view.resize(1000, 700);
    view.OnInitialUpdate();
    view.OnCommand(res::ID_VIEW_MAP);
    view.OnCommand(res::ID_MAP_AERIAL);
    view.show();
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> lat(47.15, 47.45), lon(-122.25, -121.75);
    g_longestEventMs = 0;
    g_timeEvents = true;
    for (auto _ : state) {
        view.MapFace().MoveFrame(CMapFrame{13, lon(rng), lat(rng)});
        view.repaint();
        while (!view.MapSettled())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents(); // the last repaint
    }
    g_timeEvents = false;
    state.counters["longest_event_ms"] = g_longestEventMs;
    CTileService::Instance().SetSource(MapSourceFromArgument("Area imagery service"));
}
BENCHMARK(BM_MapFramesWhileAFileIsRead)->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CTimedApplication app(argc, argv);
    ApplyProgramFont();
    qputenv("CAIRNBOOK_MAP_SOURCE", "Area imagery service"); // nothing from the internet
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
