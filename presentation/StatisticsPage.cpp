#include "StatisticsPage.h"

#include <cmath>
#include <map>

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "game/GameState.h"
#include "presentation/BestTimeChart.h"
#include "presentation/GameTexts.h"
#include "presentation/LevelNames.h"
#include "presentation/ResultTables.h"

namespace daz {
StatisticsPage::StatisticsPage(const Records& records, std::vector<CatalogueEntry> levels, QWidget* parent)
    : QWidget(parent),
      records_(records),
      levels_(std::move(levels)),
      table_(new QTableWidget(kModeCount, 6, this)),
      chartTitle_(new QLabel(this)),
      chart_(new BestTimeChart(this))
{
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetHeaders(); // and the width they need, once the columns stretch

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(chartTitle_);
    layout->addWidget(chart_, 1);
}

void StatisticsPage::SetHeaders()
{
    table_->setHorizontalHeaderLabels(
        {tr("开局"), tr("过关"), tr("超时"), tr("过关率"), tr("最长连续过关"), tr("总用时")});
    QStringList modes;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        modes.append(ModeCaption(mode));
    }
    table_->setVerticalHeaderLabels(modes);
    KeepColumnsWhole(*table_);
}

void StatisticsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The window shows the page's figures again when it is in sight.
        SetHeaders();
        chart_->update(); // its axes are drawn in the language installed
    }
    QWidget::changeEvent(event);
}

void StatisticsPage::Show(int mode, bool untimed)
{
    for (int m = 1; m <= kModeCount; ++m) {
        const ModeStatistics s = records_.Statistics(m, untimed);
        //: the share of the levels started that were cleared, in percent
        const QString share = s.started > 0 ? tr("%1%").arg(std::lround(100.0 * s.cleared / s.started))
                                            : QStringLiteral("—");
        const QStringList texts{QString::number(s.started),
                                QString::number(s.cleared),
                                QString::number(s.timedOut),
                                share,
                                QString::number(s.longestRunOfClears),
                                DurationText(s.secondsPlayed)};
        for (int column = 0; column < texts.size(); ++column) {
            table_->setItem(m - 1, column, ResultItem(texts[column]));
        }
    }
    // As high as its rows, no more.
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length()
                           + 2 * table_->frameWidth());
    KeepColumnsWhole(*table_);

    // The levels in catalogue order, a time where the level has one.
    std::map<QString, int> best;
    for (const auto& [path, seconds] : records_.BestTimes(mode, untimed)) {
        best.emplace(path, seconds);
    }
    std::vector<BestTimeChart::Bar> bars;
    bars.reserve(levels_.size());
    for (const CatalogueEntry& level : levels_) {
        const auto found = best.find(level.path);
        bars.push_back({QString::number(level.number), LevelName(level),
                        found == best.end() ? std::nullopt : std::optional<int>(found->second)});
    }
    chart_->SetBars(std::move(bars));
    chartTitle_->setText(untimed ? tr("各关最佳用时（%1，不限时）").arg(ModeCaption(mode))
                                 : tr("各关最佳用时（%1）").arg(ModeCaption(mode)));
}

} // namespace daz
