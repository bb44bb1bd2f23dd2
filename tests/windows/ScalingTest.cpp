#include <gtest/gtest.h>

#include <cmath>

#include <QDirIterator>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "GameHarness.h"
#include "presentation/BoardView.h"
#include "presentation/HaloLabel.h"
#include "presentation/MainWindow.h"
#include "presentation/OverlayBox.h"
#include "presentation/PictureCache.h"
#include "presentation/Pictures.h"
#include "presentation/ToolStrip.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

// The main window at its smallest, as it opens, and large; the same tests
// run again under QT_SCALE_FACTOR=2 (see CMakeLists.txt).
const QList<QSize> kSizes{{596, 473}, {795, 631}, {1920, 1080}};

qreal ExpectedPixelRatio()
{
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    return factor > 0 ? factor : 1.0;
}

class Scaling : public ::testing::Test {
protected:
    void Open()
    {
        h.folder.WriteGame({Spec(QStringLiteral("甲"), QStringLiteral("a"), 12, 8, 40)});
        h.Start(2);
        window = std::make_unique<MainWindow>(h.WindowParts(), MainWindow::LevelTools{});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_EQ(window->devicePixelRatioF(), ExpectedPixelRatio());
    }

    void ResizeTo(QSize size)
    {
        window->resize(size);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), size);
    }

    GameHarness h;
    std::unique_ptr<MainWindow> window;
};

// Where a cell's tile shows on screen, worked out from the board's size
// alone: the board area is 11730 twips wide, whatever its pixels.
QPointF OnScreen(const BoardView& board, double xTwips, double yTwips)
{
    const double perTwip = board.width() / static_cast<double>(kBoardAreaWidth);
    return {xTwips * perTwip, yTwips * perTwip};
}

// Where a cell's tile lies in the board area's twips: at its cell's corner,
// the picture at its own size.
struct TwipRect {
    double left, top, width, height;
};
TwipRect TileTwips(GameHarness& h, int cellNumber)
{
    const Board& board = h.board();
    const Cell cell = board.CellOf(cellNumber);
    const CellGeometry g = CellGeometry::For(kBoardAreaWidth, kBoardAreaHeight, board.MaxX(), board.MaxY());
    const QImage& picture = h.flow->CurrentLevel()->pictures.Tile(board.At(cell));
    return {double(g.Left(cell.x)), double(g.Top(cell.y)), double(picture.width() * kTwipsPerPixel),
            double(picture.height() * kTwipsPerPixel)};
}

TEST_F(Scaling, TilesKeepTheBoardsShapeAndAClickLandsOnTheTileUnderIt)
{
    Open();
    BoardView* board = window->Board();
    for (const QSize& size : kSizes) {
        SCOPED_TRACE(QStringLiteral("%1×%2").arg(size.width()).arg(size.height()).toStdString());
        ResizeTo(size);
        EXPECT_NEAR(board->width() * double(kBoardAreaHeight), board->height() * double(kBoardAreaWidth),
                    kBoardAreaWidth + kBoardAreaHeight)
            << "the board lost its shape";
        EXPECT_TRUE(window->rect().contains(board->geometry()));
        EXPECT_GE(board->y(), window->Strip()->geometry().bottom());
        EXPECT_LE(std::abs(board->x() - (window->width() - board->geometry().right() - 1)), 1) << "not centred";
        EXPECT_FALSE(window->Credits()->geometry().intersects(board->geometry()));
        EXPECT_TRUE(window->rect().contains(window->Credits()->geometry()));

        // What shows near each tile's corner, clear of its number, is that
        // tile's picture (a plain coloured square), at the screen's pixels.
        const QImage shot = board->grab().toImage();
        const qreal dpr = shot.devicePixelRatio();
        ASSERT_EQ(dpr, ExpectedPixelRatio());
        const Board& cells = h.board();
        const Level& level = *h.flow->CurrentLevel();
        for (const int n : {1, 14, cells.CellCount()}) {
            const TwipRect r = TileTwips(h, n);
            const QPointF inside = OnScreen(*board, r.left + 1.5 * kTwipsPerPixel, r.top + 1.5 * kTwipsPerPixel) * dpr;
            const QColor want = level.pictures.Tile(cells.At(cells.CellOf(n))).pixelColor(1, 1);
            const QColor got = shot.pixelColor(inside.toPoint());
            EXPECT_LE(std::abs(got.red() - want.red()) + std::abs(got.green() - want.green())
                          + std::abs(got.blue() - want.blue()),
                      24)
                << "cell " << n << " is not painted where it is";
        }

        // The pointer over the middle of a tile hovers it; a left click
        // selects it; a right click lets it go.
        for (const int n : {1, 14, cells.CellCount()}) {
            const TwipRect r = TileTwips(h, n);
            const QPoint centre = OnScreen(*board, r.left + r.width / 2.0, r.top + r.height / 2.0).toPoint();
            QMouseEvent move(QEvent::MouseMove, centre, board->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(board, &move);
            EXPECT_TRUE(h.round().CursorShown()) << "cell " << n;
            EXPECT_EQ(h.round().CursorCell(), cells.CellOf(n)) << "cell " << n;
            QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, centre);
            ASSERT_TRUE(h.round().Selection().has_value()) << "cell " << n;
            const Cell selected = h.round().Selection().value();
            EXPECT_EQ(cells.CellNumber(selected), n);
            QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, centre);
            EXPECT_FALSE(h.round().Selection().has_value());
        }
        // Off the tiles, into the blank margin: the hover mask goes.
        QMouseEvent away(QEvent::MouseMove, QPointF(1, 1), board->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(board, &away);
        ASSERT_FALSE(h.round().CursorShown());
    }
}

// The clear's time and place stand under the cleared picture's own place,
// whole and inside the window, wherever the picture hops, at every size.
TEST_F(Scaling, TheClearsNoteSitsUnderTheClearedPictureAtEverySize)
{
    Open();
    h.ClearBoard();
    const QLabel* picture = window->ShowBox();
    const QLabel* note = window->Overlay()->Note();
    for (const QSize& size : kSizes) {
        SCOPED_TRACE(QStringLiteral("%1×%2").arg(size.width()).arg(size.height()).toStdString());
        ResizeTo(size);
        const double scale = window->Board()->Scale();
        for (int hop = 0; hop < 4; ++hop) {
            h.timers.Fire(QStringLiteral("OverlayJitter"));
            ASSERT_TRUE(picture->isVisible());
            ASSERT_TRUE(note->isVisible());
            const QRect shown = picture->geometry();
            const QRect own = shown.translated(-std::lround(h.motion().jitter.X() * scale),
                                               -std::lround(h.motion().jitter.Y() * scale));
            const QRect under = note->geometry();
            EXPECT_TRUE(window->rect().contains(under));
            EXPECT_FALSE(under.intersects(shown)) << "the picture hops onto its note";
            EXPECT_GT(under.top(), own.bottom());
            EXPECT_LE(under.top(), own.bottom() + 400 * scale) << "the note is far from its picture";
            EXPECT_LE(std::abs(under.center().x() - own.center().x()), 1) << "not centred under the picture";
            EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->contentsRect().width());
        }
    }
}

// The caption changes colour every second among the sixteen of the
// palette. Drawn even over a picture of its own colour, its letters still
// stand out against their ring.
TEST(Caption, EachOfTheSixteenColoursReadsEvenOnItsOwnColour)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    for (int index = 0; index < 16; ++index) {
        const QColor colour = PaletteColour(index);
        QWidget under;
        under.setAutoFillBackground(true);
        QPalette palette = under.palette();
        palette.setColor(QPalette::Window, colour);
        under.setPalette(palette);
        auto* caption = new HaloLabel(&under);
        QFont font = caption->font();
        font.setPixelSize(14);
        font.setBold(true);
        caption->setFont(font);
        caption->setText(QStringLiteral("正常模式======>当前游戏关卡：1．甲"));
        caption->SetColour(colour);
        caption->resize(caption->sizeHint());
        under.resize(caption->size());
        const QImage shot = under.grab().toImage();
        int standingOut = 0;
        const double l = luminance(colour);
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const double m = luminance(shot.pixelColor(x, y));
                standingOut += (std::max(l, m) + 0.05) / (std::min(l, m) + 0.05) >= 4.5 ? 1 : 0;
            }
        }
        EXPECT_GE(standingOut, shot.width() * shot.height() / 8) << "palette colour " << index;
    }
}

// Every picture at twice the resolution is its partner's double, so that it
// paints at the same size, and the main window is given the sharper one.
TEST(Pictures, EachSharperCopyIsItsPartnersDouble)
{
    int pairs = 0;
    for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*@2x.png")}); it.hasNext();) {
        const QString sharper = it.next();
        QString plain = sharper;
        plain.remove(QStringLiteral("@2x"));
        EXPECT_EQ(QImage(sharper).size(), QImage(plain).size() * 2) << sharper.toStdString();
        ++pairs;
    }
    EXPECT_GE(pairs, 30);
    const QPixmap paused = ImageList1(13);
    EXPECT_EQ(paused.devicePixelRatio(), 2.0);
    EXPECT_EQ(paused.deviceIndependentSize(), QSizeF(QImage(QStringLiteral(":/paused.png")).size()));
}

// A picture is scaled once per name, size and ratio; the next request for
// the same is the same pixmap, whatever source comes with it.
TEST(PictureCache, ScalesOncePerNameSizeAndRatio)
{
    QImage source(40, 30, QImage::Format_RGB32);
    source.fill(Qt::red);
    const QPixmap first = PictureCache::Scaled(QStringLiteral("test#1"), source, {60, 45}, 1.5);
    EXPECT_EQ(first.size(), QSize(90, 68));
    EXPECT_EQ(first.devicePixelRatio(), 1.5);
    EXPECT_EQ(first.toImage().pixel(45, 34), QColor(Qt::red).rgb());
    EXPECT_EQ(PictureCache::Scaled(QStringLiteral("test#1"), QImage(), {60, 45}, 1.5).cacheKey(), first.cacheKey());

    const QPixmap sharper = PictureCache::Scaled(QStringLiteral("test#1"), source, {60, 45}, 2);
    EXPECT_EQ(sharper.size(), QSize(120, 90));
    EXPECT_EQ(sharper.devicePixelRatio(), 2.0);
    EXPECT_EQ(PictureCache::Scaled(QStringLiteral("test#1"), source, {20, 15}, 1.5).size(), QSize(30, 23));
    source.fill(Qt::blue);
    EXPECT_EQ(PictureCache::Scaled(QStringLiteral("test#2"), source, {60, 45}, 1.5).toImage().pixel(45, 34),
              QColor(Qt::blue).rgb());
}

} // namespace
} // namespace daz::testing
