// A resize of the main window must repaint within a frame (16 ms). The
// window holds the largest shipped level (18 × 12 tiles of 40 pictures,
// with its background and particles). Each resize lays the window out and
// repaints all of it into its backing store, as a resize on screen does. The baseline, from the same run, draws
// a picture of the window's size unscaled: the least a repaint can cost.
//
// Run with QT_SCALE_FACTOR=2 to time a screen that scales by two: the
// maximised window is then 3840 × 2160 pixels, and so is the baseline's
// picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QPainter>

#include "GameHarness.h"
#include "presentation/BoardView.h"
#include "presentation/MainWindow.h"

namespace daz::testing {
namespace {

// Two window sizes, as when a window is maximised and restored.
const QSize kRestored(1200, 900);
const QSize kMaximised(1920, 1080);

// Counts the paints a widget receives, so that each benchmark shows that
// it timed what it says.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

struct BigWindow {
    GameHarness h;
    std::unique_ptr<MainWindow> window;
    PaintCounter boardPaints;

    BigWindow()
    {
        TestProgramFolder::LevelSpec spec(QStringLiteral("汉字"), QStringLiteral("08-hanzi"));
        h.folder.WriteGame({spec});
        // The shipped level's own files over the stand-ins.
        const QString from = QStringLiteral(DAZ_DATA_DIR "/levels/08-hanzi");
        const QString to = h.folder.File(QStringLiteral("levels/08-hanzi"));
        QDirIterator it(from, QDir::Files);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile::remove(to + QLatin1Char('/') + it.fileName());
            QFile::copy(file, to + QLatin1Char('/') + it.fileName());
        }
        QDir().mkpath(h.folder.File(QStringLiteral("Particle")));
        QDirIterator particles(QStringLiteral(DAZ_DATA_DIR "/Particle"), QDir::Files);
        while (particles.hasNext()) {
            particles.next();
            QFile::copy(particles.filePath(), h.folder.File(QStringLiteral("Particle/") + particles.fileName()));
        }
        h.Start(2);
        window = std::make_unique<MainWindow>(h.WindowParts(), MainWindow::LevelTools{});
        window->show();
        QApplication::processEvents();
        window->Board()->installEventFilter(&boardPaints);
    }

    // Board paints per iteration since the last call.
    void Report(benchmark::State& state)
    {
        state.counters["board_paints"] = benchmark::Counter(boardPaints.paints, benchmark::Counter::kAvgIterations);
        boardPaints.paints = 0;
    }

    // Lays the window out at this size and repaints all of it, once, as
    // the screen would show it.
    void Show(QSize size)
    {
        window->resize(size);
        window->repaint();
    }
};

BigWindow& Window()
{
    static BigWindow* window = new BigWindow;
    return *window;
}

// Back and forth between two sizes whose pictures were scaled before.
void ResizeToAScaledSize(benchmark::State& state)
{
    BigWindow& w = Window();
    w.Show(kRestored);
    w.Show(kMaximised);
    bool big = false;
    w.boardPaints.paints = 0;
    for (auto _ : state) {
        big = !big;
        w.Show(big ? kMaximised : kRestored);
    }
    w.Report(state);
}
BENCHMARK(ResizeToAScaledSize)->Unit(benchmark::kMillisecond);

// A size never seen before: the level's pictures are scaled first.
void ResizeToANewSize(benchmark::State& state)
{
    BigWindow& w = Window();
    int step = 0;
    w.boardPaints.paints = 0;
    for (auto _ : state) {
        step = (step + 1) % 400;
        w.Show(QSize(1500 + step, 1000 + step / 2));
    }
    w.Report(state);
}
BENCHMARK(ResizeToANewSize)->Unit(benchmark::kMillisecond);

// Only the board, at the same size.
void RepaintTheBoard(benchmark::State& state)
{
    BigWindow& w = Window();
    w.Show(kMaximised);
    w.boardPaints.paints = 0;
    for (auto _ : state) {
        w.window->Board()->repaint();
    }
    w.Report(state);
}
BENCHMARK(RepaintTheBoard)->Unit(benchmark::kMillisecond);

// Baseline: a picture of the maximised window's size in pixels drawn
// unscaled.
void DrawAWindowSizedPicture(benchmark::State& state)
{
    const QSize pixels = kMaximised * qApp->devicePixelRatio();
    QPixmap picture(pixels);
    picture.fill(Qt::darkGreen);
    QPixmap target(pixels);
    for (auto _ : state) {
        QPainter p(&target);
        p.drawPixmap(0, 0, picture);
        p.end();
        benchmark::DoNotOptimize(target.cacheKey());
    }
}
BENCHMARK(DrawAWindowSizedPicture)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace daz::testing

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::AddCustomContext("device_pixel_ratio", QString::number(qApp->devicePixelRatio()).toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
