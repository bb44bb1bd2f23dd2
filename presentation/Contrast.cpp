#include "Contrast.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QWidget>

namespace daz {
namespace {

bool highContrast = false;

// Sets a widget's palette as high contrast stands, now and whenever it
// turns (Qt tells a change of the application's palette to the windows
// only).
class PaletteKeeper : public QObject {
public:
    PaletteKeeper(QWidget* widget, QPalette own, QPalette underHighContrast, bool fill)
        : QObject(widget), own_(std::move(own)), high_(std::move(underHighContrast)), fill_(fill)
    {
        Apply();
    }
    void Set(QPalette own, QPalette underHighContrast, bool fill)
    {
        own_ = std::move(own);
        high_ = std::move(underHighContrast);
        fill_ = fill;
        Apply();
    }
    void Apply()
    {
        auto* widget = static_cast<QWidget*>(parent());
        widget->setPalette(highContrast ? high_ : own_);
        if (fill_) {
            widget->setAutoFillBackground(highContrast);
        }
    }

private:
    QPalette own_;
    QPalette high_;
    bool fill_;
};

std::vector<QPointer<PaletteKeeper>>& Keepers()
{
    static std::vector<QPointer<PaletteKeeper>> keepers;
    return keepers;
}

std::optional<QPalette>& StartingPalette()
{
    static std::optional<QPalette> palette;
    return palette;
}

QPalette HighContrastPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor grey(190, 190, 190); // 11:1 on black
    QPalette palette(white, black, white, QColor(120, 120, 120), grey, white, black);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, white);
        palette.setColor(group, QPalette::ButtonText, white);
        palette.setColor(group, QPalette::Text, white);
        palette.setColor(group, QPalette::Highlight, yellow);
        palette.setColor(group, QPalette::HighlightedText, black);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, grey);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    palette.setColor(QPalette::Disabled, QPalette::Text, grey);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, grey);
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, black);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, black);
        palette.setColor(group, QPalette::Base, black);
        palette.setColor(group, QPalette::AlternateBase, QColor(40, 40, 40));
        palette.setColor(group, QPalette::Button, black);
        palette.setColor(group, QPalette::ToolTipBase, black);
        palette.setColor(group, QPalette::ToolTipText, white);
        palette.setColor(group, QPalette::PlaceholderText, grey);
        palette.setColor(group, QPalette::Link, yellow);
        palette.setColor(group, QPalette::LinkVisited, yellow);
        palette.setColor(group, QPalette::BrightText, yellow);
    }
    return palette;
}

} // namespace

double Luminance(QColor colour)
{
    const auto channel = [](double c) {
        c /= 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

double ContrastRatio(QColor a, QColor b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void UseHighContrast(bool on)
{
    if (on == highContrast) {
        return;
    }
    highContrast = on;
    if (!StartingPalette()) {
        StartingPalette() = QApplication::palette();
    }
    QApplication::setPalette(on ? HighContrastPalette() : *StartingPalette());
    // The style draws a box's frame in a shade of the window's colour, unseen
    // on black: boxes and round buttons get a white frame, yellow inside
    // when chosen.
    qApp->setStyleSheet(on ? QStringLiteral("QCheckBox::indicator, QRadioButton::indicator { width: 14px;"
                                            " height: 14px; border: 2px solid #FFFFFF; background: #000000; }"
                                            "QCheckBox::indicator:checked, QRadioButton::indicator:checked {"
                                            " background: #FFFF00; }")
                           : QString());
    for (const QPointer<PaletteKeeper>& keeper : Keepers()) {
        if (keeper) {
            keeper->Apply();
        }
    }
}

bool HighContrastInUse()
{
    return highContrast;
}

void UseOwnPalette(QWidget* widget, const QPalette& own, const QPalette& underHighContrast, bool fill)
{
    // The keeper has no meta-object of its own: findChild would take any
    // child for it.
    for (QObject* child : widget->children()) {
        if (auto* keeper = dynamic_cast<PaletteKeeper*>(child)) {
            keeper->Set(own, underHighContrast, fill);
            return;
        }
    }
    std::erase_if(Keepers(), [](const QPointer<PaletteKeeper>& keeper) { return keeper.isNull(); });
    Keepers().emplace_back(new PaletteKeeper(widget, own, underHighContrast, fill));
}

QPalette DarkOnLight()
{
    QPalette palette;
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, Qt::black);
        palette.setColor(QPalette::Inactive, role, Qt::black);
        palette.setColor(QPalette::Disabled, role, QColor(60, 60, 60));
    }
    return palette;
}

void DrawTwoToneOutline(QPainter& painter, const QRect& rect, int thickness, QColor light)
{
    const auto ring = [&](const QRect& outer, QColor colour) {
        const int t = std::min({thickness, outer.width() / 2, outer.height() / 2});
        painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), t), colour);
        painter.fillRect(QRect(outer.left(), outer.bottom() - t + 1, outer.width(), t), colour);
        painter.fillRect(QRect(outer.left(), outer.top(), t, outer.height()), colour);
        painter.fillRect(QRect(outer.right() - t + 1, outer.top(), t, outer.height()), colour);
    };
    ring(rect, Qt::black);
    ring(rect.adjusted(thickness, thickness, -thickness, -thickness), light);
}

} // namespace daz
