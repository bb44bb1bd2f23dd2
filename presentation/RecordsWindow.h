#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "leveldata/Formats.h"
#include "leveldata/Records.h"
#include "platform/MessageBoxes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace daz {

class StatisticsPage;
class GameFlow;
class ResultKeeper;
class Round;

// The results' window, 成绩榜: the best ten results of a level in a mode
// (place, player, points, time, tools used, date), with the levels of the
// catalogue to choose from in its order and the modes; beside it the
// statistics page. 不限时 shows the results and statistics of untimed play
// instead, which are never ranked with the timed ones. A button clears every result after asking. Without a
// store (results are not kept) it says so and shows nothing else.
class RecordsWindow : public QDialog {
    Q_OBJECT

public:
    enum Page { Best, Statistics };

    RecordsWindow(Records* records, std::vector<CatalogueEntry> levels, platform::MessageBoxes& boxes,
                  QWidget* parent = nullptr);

    // Shows the results of the level at this catalogue path (the first
    // level when it is not listed) in this mode, timed or untimed.
    void Choose(const QString& levelPath, int mode, bool untimed = false);
    void ShowPage(Page page);

    QComboBox* LevelChooser() const { return levelChooser_; }
    QComboBox* ModeChooser() const { return modeChooser_; }
    QCheckBox* UntimedChooser() const { return untimedChooser_; }
    QTabWidget* Pages() const { return pages_; }
    QTableWidget* Table() const { return table_; }
    StatisticsPage* StatisticsTab() const { return statistics_; }
    QPushButton* ClearButton() const { return clear_; }
    // What the window says instead of the results, or empty.
    QString Notice() const;
    // What 清除成绩 does once the player said yes (the store's Clear unless
    // set); false when nothing was cleared.
    void SetClear(std::function<bool()> clear) { clearAll_ = std::move(clear); }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text again, in the language installed now.
    void Retranslate();
    void ShowBest();
    void ShowChosen();
    void AskAndClear();

    Records* records_;
    std::function<bool()> clearAll_;
    std::vector<CatalogueEntry> levels_;
    platform::MessageBoxes& boxes_;
    QComboBox* levelChooser_ = nullptr;
    QComboBox* modeChooser_ = nullptr;
    QCheckBox* untimedChooser_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* empty_ = nullptr;
    StatisticsPage* statistics_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLabel* notice_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    QLabel* modeLabel_ = nullptr;
};

// Pauses the level and opens the results' window over the main window, at
// the level on the board (also once cleared; the level reached when none
// could be read) and the mode in play, untimed when the level is; it goes when closed. The keys start
// on the table, and Return closes it.
void OpenRecords(QWidget* parent, const GameFlow& flow, Round& round, ResultKeeper& results,
                 platform::MessageBoxes& boxes);

} // namespace daz
