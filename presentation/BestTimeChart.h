#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QWidget>

namespace daz {

// A bar chart of the best time of each level, in catalogue order: one bar
// per level, as high as its time, a level without a time leaves its place
// empty. The left axis counts seconds, the levels' numbers stand under
// their bars. Everything is laid out in the widget's own size and font, so
// it reads the same at any scale and pixel ratio.
class BestTimeChart : public QWidget {
    Q_OBJECT

public:
    struct Bar {
        QString label;              // under the bar: the level's number
        QString name;               // in the bar's tooltip
        std::optional<int> seconds; // none: the level has no result
    };

    static constexpr QColor kBarColour{0xC8, 0x64, 0x28};
    static constexpr QColor kBackground{0xFF, 0xFB, 0xF0};

    explicit BestTimeChart(QWidget* parent = nullptr);

    void SetBars(std::vector<Bar> bars);
    const std::vector<Bar>& Bars() const { return bars_; }
    // The seconds at the top of the axis: a round number at or above the
    // longest time.
    int AxisTop() const { return axisTop_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where the bars stand: the widget less the axis' labels.
    QRectF PlotArea() const;
    // The place of bar i across the plot, bar or no bar.
    QRectF Slot(std::size_t i) const;

    std::vector<Bar> bars_;
    int axisTop_ = 0;
    int axisStep_ = 0;
};

} // namespace daz
