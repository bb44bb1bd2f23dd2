#include "BestTimeChart.h"

#include <algorithm>
#include <cmath>

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "presentation/GameTexts.h"

namespace daz {
namespace {

// Room around the plot, in parts of the font's height.
constexpr double kGap = 0.5;
// A bar fills this much of its place; the rest parts it from its neighbours.
constexpr double kBarShare = 0.7;
// The axis is marked at about this many round numbers.
constexpr int kAxisMarks = 5;

const QColor kInk(0x40, 0x28, 0x10);
const QColor kGrid(0xE4, 0xD8, 0xC0);

// 1, 2 or 5 times a power of ten: the step between the axis' marks.
int RoundStep(int longest)
{
    const double rough = std::max(1.0, static_cast<double>(longest) / kAxisMarks);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough) {
            return static_cast<int>(factor * power);
        }
    }
    return static_cast<int>(10 * power);
}

} // namespace

BestTimeChart::BestTimeChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BestTimeChart::SetBars(std::vector<Bar> bars)
{
    bars_ = std::move(bars);
    int longest = 0;
    for (const Bar& bar : bars_) {
        longest = std::max(longest, bar.seconds.value_or(0));
    }
    axisStep_ = RoundStep(longest);
    axisTop_ = std::max(1, (longest + axisStep_ - 1) / axisStep_) * axisStep_;
    update();
}

QSize BestTimeChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 30, line * 12};
}

QSize BestTimeChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 12, line * 7};
}

QRectF BestTimeChart::PlotArea() const
{
    const QFontMetricsF metrics(font());
    const double gap = metrics.height() * kGap;
    const double labels = metrics.horizontalAdvance(QString::number(axisTop_)) + gap;
    // The unit above the axis, the levels' numbers below the bars.
    const double top = metrics.height() + gap * 2;
    const double bottom = metrics.height() + gap * 2;
    return QRectF(gap + labels, top, width() - gap * 2 - labels, height() - top - bottom);
}

QRectF BestTimeChart::Slot(std::size_t i) const
{
    const QRectF plot = PlotArea();
    const double width = plot.width() / static_cast<double>(std::max<std::size_t>(1, bars_.size()));
    return QRectF(plot.left() + width * static_cast<double>(i), plot.top(), width, plot.height());
}

void BestTimeChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(kInk);
    const bool anyTime = std::any_of(bars_.begin(), bars_.end(), [](const Bar& bar) { return bar.seconds; });
    if (!anyTime) {
        painter.drawText(rect(), Qt::AlignCenter, tr("还没有成绩"));
        return;
    }

    const QFontMetricsF metrics(font());
    const double gap = metrics.height() * kGap;
    const QRectF plot = PlotArea();
    const double perSecond = plot.height() / axisTop_;

    // The axis: round numbers of seconds, each with a line across.
    painter.drawText(QRectF(0, 0, plot.left() + gap, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, tr("秒"));
    for (int mark = 0; mark <= axisTop_; mark += axisStep_) {
        const double y = plot.bottom() - mark * perSecond;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kInk);
        painter.drawText(QRectF(0, y - metrics.height() / 2, plot.left() - gap / 2, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(mark));
    }

    painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));

    // The levels' numbers: as many as fit side by side, the first always.
    const double widest = metrics.horizontalAdvance(QStringLiteral("00")) + gap;
    const double slotWidth = Slot(0).width();
    std::size_t every = static_cast<std::size_t>(std::max(1.0, std::ceil(widest / slotWidth)));
    // Every other level, or the first and every fifth or tenth.
    if (every > 2) {
        every = every <= 5 ? 5 : (every + 9) / 10 * 10;
    }
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const QRectF slot = Slot(i);
        if (bars_[i].seconds) {
            const double height = *bars_[i].seconds * perSecond;
            const double barWidth = std::max(1.0, slot.width() * kBarShare);
            painter.fillRect(QRectF(slot.center().x() - barWidth / 2, plot.bottom() - height, barWidth, height),
                             kBarColour);
        }
        if (every <= 2 ? i % every == 0 : (i + 1) % every == 0 || i == 0) {
            const QRectF label(slot.center().x() - widest, plot.bottom() + gap, widest * 2, metrics.height());
            painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, bars_[i].label);
        }
    }
}

bool BestTimeChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !bars_.empty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QRectF plot = PlotArea();
        const double at = (help->pos().x() - plot.left()) / Slot(0).width();
        if (at >= 0 && at < static_cast<double>(bars_.size())) {
            const Bar& bar = bars_[static_cast<std::size_t>(at)];
            //: the tooltip over a level's bar: the level's name and its best time
            QToolTip::showText(help->globalPos(),
                               tr("%1：%2").arg(bar.name, bar.seconds ? DurationText(*bar.seconds) : tr("还没有成绩")),
                               this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace daz
