// Opening 成绩榜 and its 统计 page over 100 000 stored results must show
// within 100 ms, from the menu's click to the first paint of what the
// player came for (the table, the chart). The results are spread over 30
// levels and the four modes; the same over an empty store tells the
// window's own share. The baseline, from the same run, shows an
// empty window of the same size until its first paint: the least opening
// a window costs here.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>

#include "FakeMessageBoxes.h"
#include "FilledRecords.h"
#include "presentation/BestTimeChart.h"
#include "presentation/RecordsWindow.h"
#include "presentation/StatisticsPage.h"

namespace daz::testing {
namespace {

constexpr int kResults = 100'000;
constexpr int kLevels = 30;

std::vector<CatalogueEntry> Levels()
{
    std::vector<CatalogueEntry> levels;
    for (int n = 1; n <= kLevels; ++n) {
        levels.push_back(
            {n, QStringLiteral("第%1关").arg(n), QStringLiteral("\\levels\\%1\\").arg(n, 2, 10, QChar('0'))});
    }
    return levels;
}

// The store the windows read: the SQLite store in a folder of its own,
// filled as a long-time player's would be.
std::unique_ptr<Records> FilledStore(const std::vector<CatalogueEntry>& levels, int results)
{
    static QTemporaryDir folder;
    static int stores = 0;
    const QString file = folder.filePath(QStringLiteral("records-%1.sqlite").arg(++stores));
    QStringList paths;
    for (const CatalogueEntry& level : levels) {
        paths << level.path;
    }
    if (results > 0 && !bench::FillForBenchmark(file, results, paths)) {
        return nullptr;
    }
    return Records::Open(file, QDateTime::currentDateTime());
}

const QSize kSize(760, 560);

// Waits for the first paint of one widget.
struct FirstPaint : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    void Wait()
    {
        while (!painted) {
            QApplication::processEvents();
        }
    }
};

// From the menu's click to the page's first paint, as OpenRecords opens it.
void Open(benchmark::State& state, RecordsWindow::Page page)
{
    const std::vector<CatalogueEntry> levels = Levels();
    const std::unique_ptr<Records> store = FilledStore(levels, static_cast<int>(state.range(0)));
    FakeMessageBoxes boxes;
    for (auto _ : state) {
        auto window = std::make_unique<RecordsWindow>(store.get(), levels, boxes);
        window->Choose(levels[11].path, 2);
        window->ShowPage(page);
        FirstPaint paint;
        QWidget* shown = page == RecordsWindow::Best ? window->Table()->viewport()
                                                     : static_cast<QWidget*>(window->StatisticsTab()->Chart());
        shown->installEventFilter(&paint);
        window->resize(kSize);
        window->show();
        paint.Wait();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void OpenTheBestResults(benchmark::State& state)
{
    Open(state, RecordsWindow::Best);
}
BENCHMARK(OpenTheBestResults)->Arg(0)->Arg(kResults)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenTheStatistics(benchmark::State& state)
{
    Open(state, RecordsWindow::Statistics);
}
BENCHMARK(OpenTheStatistics)->Arg(0)->Arg(kResults)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: an empty window of the same size, shown until its first paint.
void OpenAnEmptyWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        FirstPaint paint;
        window->installEventFilter(&paint);
        window->resize(kSize);
        window->show();
        paint.Wait();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenAnEmptyWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace daz::testing

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
