#pragma once

#include <vector>

#include <QWidget>

#include "leveldata/Formats.h"
#include "leveldata/Records.h"

class QLabel;
class QTableWidget;

namespace daz {

class BestTimeChart;

// The statistics page of the results' window: for each mode the levels
// started, cleared and timed out, the share cleared, the longest run of
// clears and the time played; under it the best time of every level of
// the catalogue in one mode, as a bar chart.
class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    StatisticsPage(const Records& records, std::vector<CatalogueEntry> levels, QWidget* parent = nullptr);

    // Reads the store again: the statistics of timed play or of untimed
    // play; the chart shows this mode's best times in it.
    void Show(int mode, bool untimed = false);

    QTableWidget* Table() const { return table_; }
    BestTimeChart* Chart() const { return chart_; }
    QLabel* ChartTitle() const { return chartTitle_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetHeaders();

    const Records& records_;
    std::vector<CatalogueEntry> levels_;
    QTableWidget* table_;
    QLabel* chartTitle_;
    BestTimeChart* chart_;
};

} // namespace daz
