#include "RecordsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "game/GameFlow.h"
#include "game/GameState.h"
#include "presentation/Contrast.h"
#include "presentation/GameTexts.h"
#include "presentation/LevelNames.h"
#include "presentation/Pictures.h"
#include "presentation/ResultTables.h"
#include "presentation/StatisticsPage.h"

namespace daz {
namespace {

constexpr int kShown = 10; // results of a level and mode

const QColor kFirstPlace(0xFF, 0xEC, 0xB0);

} // namespace

RecordsWindow::RecordsWindow(Records* records, std::vector<CatalogueEntry> levels, platform::MessageBoxes& boxes,
                             QWidget* parent)
    : QDialog(parent), records_(records), levels_(std::move(levels)), boxes_(boxes)
{
    setWindowIcon(QIcon(WindowPicture(QStringLiteral("app-icon.png"))));
    setAutoFillBackground(true);
    QPalette paper;
    paper.setColor(QPalette::Window, QColor(0xF6, 0xEE, 0xDC));
    paper.setColor(QPalette::Base, QColor(0xFF, 0xFB, 0xF0));
    paper.setColor(QPalette::AlternateBase, QColor(0xF9, 0xF3, 0xE6));
    paper.setColor(QPalette::Text, QColor(0x40, 0x28, 0x10));
    paper.setColor(QPalette::WindowText, QColor(0x40, 0x28, 0x10));
    UseOwnPalette(this, paper);

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    if (!records_ || !records_->Keeping()) {
        resize(360, 160);
        notice_ = new QLabel(this);
        notice_->setAlignment(Qt::AlignCenter);
        layout->addWidget(notice_, 1);
        layout->addWidget(buttons);
        Retranslate();
        return;
    }

    // The level and the mode, over both pages.
    levelChooser_ = new QComboBox(this);
    for (const CatalogueEntry& level : levels_) {
        levelChooser_->addItem(QString(), level.path);
    }
    levelChooser_->setMaxVisibleItems(20);
    modeChooser_ = new QComboBox(this);
    for (int mode = 1; mode <= kModeCount; ++mode) {
        modeChooser_->addItem(QString(), mode);
    }
    auto* choosers = new QHBoxLayout;
    levelLabel_ = new QLabel(this);
    levelLabel_->setBuddy(levelChooser_);
    modeLabel_ = new QLabel(this);
    modeLabel_->setBuddy(modeChooser_);
    choosers->addWidget(levelLabel_);
    choosers->addWidget(levelChooser_, 1);
    choosers->addSpacing(fontMetrics().height());
    choosers->addWidget(modeLabel_);
    choosers->addWidget(modeChooser_);
    untimedChooser_ = new QCheckBox(this);
    untimedChooser_->setObjectName(QStringLiteral("untimedResults"));
    choosers->addSpacing(fontMetrics().height());
    choosers->addWidget(untimedChooser_);
    layout->addLayout(choosers);

    // The best results of the level chosen.
    table_ = new QTableWidget(0, 8, this);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setAlternatingRowColors(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    empty_ = new QLabel(this);
    empty_->setAlignment(Qt::AlignCenter);
    auto* bestPage = new QWidget(this);
    auto* bestLayout = new QVBoxLayout(bestPage);
    bestLayout->addWidget(table_, 1);
    bestLayout->addWidget(empty_);

    statistics_ = new StatisticsPage(*records_, levels_, this);
    pages_ = new QTabWidget(this);
    pages_->addTab(bestPage, QString());
    pages_->addTab(statistics_, QString());
    layout->addWidget(pages_, 1);

    clear_ = buttons->addButton(QString(), QDialogButtonBox::ResetRole);
    Retranslate();
    connect(clear_, &QPushButton::clicked, this, &RecordsWindow::AskAndClear);
    // The keys start on the table, and Return closes: only a click or
    // Space on the button itself asks to clear.
    clear_->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    table_->setFocus();
    layout->addWidget(buttons);
    resize(760, 560);

    connect(levelChooser_, &QComboBox::currentIndexChanged, this, &RecordsWindow::ShowChosen);
    connect(modeChooser_, &QComboBox::currentIndexChanged, this, &RecordsWindow::ShowChosen);
    connect(untimedChooser_, &QCheckBox::toggled, this, &RecordsWindow::ShowChosen);
    connect(pages_, &QTabWidget::currentChanged, this, &RecordsWindow::ShowChosen);
    ShowChosen();
}

void RecordsWindow::Retranslate()
{
    setWindowTitle(tr("成绩榜"));
    if (notice_) {
        notice_->setText(tr("成绩无法保存"));
        return;
    }
    for (int i = 0; i < levelChooser_->count(); ++i) {
        const CatalogueEntry& level = levels_[static_cast<std::size_t>(i)];
        //: a level in the level chooser: its number and its name
        levelChooser_->setItemText(i, tr("%1．%2").arg(QString::number(level.number), LevelName(level)));
    }
    for (int i = 0; i < modeChooser_->count(); ++i) {
        modeChooser_->setItemText(i, ModeCaption(modeChooser_->itemData(i).toInt()));
    }
    levelLabel_->setText(tr("关卡："));
    modeLabel_->setText(tr("模式："));
    untimedChooser_->setText(tr("不限时"));
    table_->setHorizontalHeaderLabels(
        {tr("名次"), tr("玩家"), tr("得分"), tr("用时"), tr("撤消"), tr("提示"), tr("重排"), tr("日期")});
    empty_->setText(tr("这一关在这个模式下还没有成绩。"));
    pages_->setTabText(0, tr("成绩榜"));
    pages_->setTabText(1, tr("统计"));
    clear_->setText(tr("清除成绩"));
    KeepColumnsWhole(*table_);
}

void RecordsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        if (!notice_) {
            ShowChosen(); // the page in sight: its times, rates and the chart's title
        }
    }
    QDialog::changeEvent(event);
}

QString RecordsWindow::Notice() const
{
    return notice_ ? notice_->text() : QString();
}

void RecordsWindow::Choose(const QString& levelPath, int mode, bool untimed)
{
    if (!levelChooser_) {
        return;
    }
    const QSignalBlocker quiet(levelChooser_);
    const QSignalBlocker quietToo(modeChooser_);
    const QSignalBlocker quietAlso(untimedChooser_);
    untimedChooser_->setChecked(untimed);
    levelChooser_->setCurrentIndex(std::max(0, levelChooser_->findData(levelPath)));
    modeChooser_->setCurrentIndex(std::max(0, modeChooser_->findData(mode)));
    ShowChosen();
}

void RecordsWindow::ShowPage(Page page)
{
    if (pages_) {
        pages_->setCurrentIndex(page);
    }
}

void RecordsWindow::ShowChosen()
{
    // Only the page in sight reads the store; the other when it is shown.
    const bool best = pages_->currentIndex() == Best;
    levelChooser_->setEnabled(best);
    if (best) {
        ShowBest();
    } else {
        statistics_->Show(modeChooser_->currentData().toInt(), untimedChooser_->isChecked());
    }
}

void RecordsWindow::ShowBest()
{
    std::vector<Result> results;
    if (levelChooser_->count() > 0) {
        results = records_->Best(levelChooser_->currentData().toString(), modeChooser_->currentData().toInt(), kShown,
                                 untimedChooser_->isChecked());
    }
    table_->setRowCount(static_cast<int>(results.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const Result& r = results[static_cast<std::size_t>(row)];
        const QStringList texts{QString::number(row + 1),    r.player,
                                QString::number(r.points),   DurationText(r.seconds),
                                QString::number(r.undos),    QString::number(r.hints),
                                QString::number(r.shuffles), r.when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))};
        for (int column = 0; column < texts.size(); ++column) {
            QTableWidgetItem* item = ResultItem(texts[column], column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                                           : Qt::Alignment(Qt::AlignCenter));
            if (row == 0) {
                item->setBackground(kFirstPlace);
            }
            table_->setItem(row, column, item);
        }
    }
    KeepColumnsWhole(*table_);
    empty_->setVisible(results.empty());
}

void RecordsWindow::AskAndClear()
{
    if (!platform::Ask(boxes_, tr("你真的要清除全部成绩吗？"), tr("清除成绩"))) {
        return;
    }
    if (!(clearAll_ ? clearAll_() : records_->Clear())) {
        platform::Warn(boxes_, tr("成绩没能清除，请稍后再试。"));
    }
    ShowChosen();
}

void OpenRecords(QWidget* parent, const GameFlow& flow, Round& round, ResultKeeper& results,
                 platform::MessageBoxes& boxes)
{
    // As a menu does, the window pauses the level (it opens by key too).
    round.PauseQuietly();
    // The level on the board, also once cleared; without one (it could
    // not be read) the level reached.
    QString shown;
    if (const Level* level = flow.CurrentLevel()) {
        shown = level->folder;
    } else {
        const std::vector<CatalogueEntry>& levels = flow.ListedLevels();
        const int reachedNumber = flow.Place().level;
        const auto reached = std::find_if(levels.begin(), levels.end(),
                                          [&](const CatalogueEntry& e) { return e.number == reachedNumber; });
        shown = reached == levels.end() ? QString() : reached->path;
    }
    auto* window = new RecordsWindow(results.Store(), flow.ListedLevels(), boxes, parent);
    window->SetClear([&results] { return results.Clear(); });
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Choose(shown, flow.Place().mode, round.Untimed());
    window->open();
}

} // namespace daz
