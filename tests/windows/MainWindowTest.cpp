#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPicture>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "MainWindowFixture.h"
#include "ScreenCompare.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtTranslations.h"
#include "presentation/Pictures.h"

namespace daz::testing {
namespace {

class Window : public InMainWindow {
protected:
    // A 14 × 10 level with a background and twinkling stars, whose ten
    // particles jump all over the board every tick, shown at a scale that
    // is not the pictures' own.
    void OpenStarryLevel()
    {
        h.folder.WriteParticle(Particles::Stars);
        Spec level(QStringLiteral("甲"), QStringLiteral("a"), 14, 10, 40, Particles::Stars);
        level.background = true;
        Open(2, {}, {level});
        window->resize(1130, 900);
    }
};

TEST_F(Window, TheStripSpansTheWindowWithItsContentsCentred)
{
    Open(2);
    window->resize(1600, 700);
    QApplication::processEvents();
    ToolStrip* strip = window->Strip();
    EXPECT_EQ(strip->geometry(), QRect(0, 0, 1600, strip->height()));
    const QRect menu = strip->MenuButton(Toolbar::MenuButton::Main)->geometry();
    const QRect time = window->findChild<TimeBar*>()->geometry();
    EXPECT_LE(std::abs(menu.left() - (1600 - time.right())), 0.1 * 1600) << "the contents are not centred";
}

// Qt's own buttons speak Chinese also where the system's locale has no
// translation of its own.
TEST(QtTexts, MessageBoxButtonsReadChineseUnderTheCAndEnglishLocales)
{
    const auto plain = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&"))); };
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const std::unique_ptr<QTranslator> translator = platform::LoadQtTranslation(locale);
        ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";
        QCoreApplication::installTranslator(translator.get());
        platform::QtMessageBoxes boxes;
        QStringList read;
        const auto readAndAnswer = [&](QMessageBox::StandardButton answer) {
            QTimer::singleShot(0, [&, answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                for (QAbstractButton* button : box->buttons()) {
                    read << plain(button->text());
                }
                box->button(answer)->click();
            });
        };
        readAndAnswer(QMessageBox::No);
        EXPECT_EQ(boxes.Show({QStringLiteral("你真的要重新开始吗？"), QStringLiteral("友情提示"),
                              platform::MessageIcon::Question, platform::MessageButtons::YesNo,
                              platform::MessageAnswer::Yes}),
                  platform::MessageAnswer::No);
        read.sort();
        EXPECT_EQ(read, (QStringList{QStringLiteral("否"), QStringLiteral("是")})) << locale.name().toStdString();
        read.clear();
        readAndAnswer(QMessageBox::Ok);
        boxes.Show({QStringLiteral("帮助文件丢失！"), QStringLiteral("警告"), platform::MessageIcon::Exclamation,
                    platform::MessageButtons::Ok, platform::MessageAnswer::Ok});
        EXPECT_EQ(read, QStringList{QStringLiteral("确定")}) << locale.name().toStdString();
        QCoreApplication::removeTranslator(translator.get());
    }
}

// Particles are redrawn where they were and where they are, ten times a
// second: the board must not repaint, nor even draw, anything else, at
// whatever scale the window draws it.
TEST_F(Window, AParticleTickRepaintsOnlyTheParticlesOldAndNewPlaces)
{
    OpenStarryLevel();
    BoardView* board = window->Board();
    const Particles& particles = h.parts->particles;
    const auto placesNow = [&] {
        QRegion places;
        for (int i = 1; i <= Particles::kCount; ++i) {
            places += board->ParticleRect(i);
        }
        return places;
    };
    struct PaintSpy : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                painted += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    } spy;
    Settle(); // the first full paint is done
    board->installEventFilter(&spy);

    QRegion places = placesNow();
    h.timers.Fire(QStringLiteral("Particles")); // stars: all ten jump
    places += placesNow();
    Settle();
    board->removeEventFilter(&spy);
    const auto area = [](const QRegion& region) {
        long long sum = 0;
        for (const QRect& r : region) {
            sum += static_cast<long long>(r.width()) * r.height();
        }
        return sum;
    };
    places &= board->rect();
    EXPECT_TRUE((places - spy.painted).isEmpty()) << "a particle's old or new place was not repainted";
    const QSize picture = board->Geometry().ScaledSize(particles.Picture().size());
    ASSERT_GT(picture.width(), particles.Picture().width()) << "the board is not drawn larger";
    EXPECT_LE(area(spy.painted), 4 * Particles::kCount * picture.width() * picture.height())
        << "more than the particles' places was repainted";

    // What the paint of that region draws, replayed without its clip onto a
    // blank picture: nothing lands outside the region.
    QPicture drawn;
    board->render(&drawn, spy.painted.boundingRect().topLeft(), spy.painted, {});
    QImage replay(board->size(), QImage::Format_RGB32);
    replay.fill(Qt::black);
    QPainter painter(&replay);
    drawn.play(&painter);
    painter.end();
    int outside = 0;
    for (int y = 0; y < replay.height(); ++y) {
        for (int x = 0; x < replay.width(); ++x) {
            outside += replay.pixel(x, y) != qRgb(0, 0, 0) && !spy.painted.contains(QPoint(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0) << "the paint drew outside the particles' places";
}

// A tick repaints many small pieces in one go: the hover mask's old and
// new places and each star's. Wherever they overlap, the tiles must stay
// under the mask and the stars over both, and nothing may be left stale:
// what the window shows after each tick is what a full repaint draws.
TEST_F(Window, AFewPiecesRepaintedAtOnceLookAsAFullRepaint)
{
    OpenStarryLevel();
    BoardView* board = window->Board();
    Settle();
    const Board& cells = h.board();
    int underAStar = 0;
    for (int tick = 0; tick < 12; ++tick) {
        h.timers.Fire(QStringLiteral("Particles"));
        // The mask moves onto the tile under one of the stars, in the same
        // repaint as the stars.
        for (int i = 1; i <= Particles::kCount; ++i) {
            const Cell cell = board->Geometry().CellUnder(board->ParticleRect(i).center());
            if (cells.InField(cell) && h.Shown(cells.CellNumber(cell))) {
                h.round().Hover(cell);
                ++underAStar;
                break;
            }
        }
        Settle();
        const QImage shown = OnScreen(*window, *board);
        const QImage full = FullPaint(*board);
        ASSERT_EQ(shown.size(), full.size());
        ASSERT_EQ(Unlike(shown, full, full.rect()), 0)
            << "tick " << tick << ": the repaint left pixels unlike a full repaint";
        const QImage& picture = h.parts->particles.Picture();
        const QRgb star = QColor(picture.pixel(picture.width() / 2, picture.height() / 2)).rgb();
        for (int i = 1; i <= Particles::kCount; ++i) {
            const QPoint centre = board->ParticleRect(i).center();
            if (board->rect().contains(centre) && !board->Caption()->geometry().contains(centre)) {
                EXPECT_EQ(shown.pixel(centre), star) << "tick " << tick << ": star " << i << " is covered";
            }
        }
    }
    EXPECT_GT(underAStar, 6);
}

// The window opens inside the screen's work area with its frame: where
// the frame is not known yet, room for a title bar is left above it.
TEST_F(Window, OpensWithItsFrameInsideTheWorkArea)
{
    Open(2);
    const QRect area = window->screen()->availableGeometry();
    const QRect inside = window->geometry();
    EXPECT_GE(inside.top() - area.top(), 20) << "no room for the title bar";
    EXPECT_LE(inside.bottom(), area.bottom());
    EXPECT_GE(inside.left(), area.left());
    EXPECT_LE(inside.right(), area.right());
}

TEST_F(Window, MinimisingPausesTheLevel)
{
    Open(2);
    window->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_EQ(h.round().GetPhase(), Phase::Paused);
}

} // namespace
} // namespace daz::testing
