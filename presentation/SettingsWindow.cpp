#include "SettingsWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "presentation/Looks.h"
#include "presentation/MainWindow.h"
#include "presentation/PlayerPreferences.h"

namespace daz {

SettingsWindow::SettingsWindow(bool pauseWhenAway, QWidget* parent)
    : QDialog(parent),
      pauseWhenAway_(new QCheckBox(this)),
      pauseNote_(new QLabel(this)),
      untimed_(new QCheckBox(this)),
      untimedNote_(new QLabel(this)),
      lessMotion_(new QCheckBox(this)),
      highContrast_(new QCheckBox(this)),
      looksNote_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Close, this))
{
    setObjectName(QStringLiteral("settingsWindow"));
    pauseWhenAway_->setObjectName(QStringLiteral("pauseWhenAway"));
    pauseWhenAway_->setChecked(pauseWhenAway);
    pauseNote_->setWordWrap(true);
    pauseNote_->setBuddy(pauseWhenAway_);
    // The note reads under its choice, indented as far as the box's words.
    const int indent = pauseWhenAway_->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                       + pauseWhenAway_->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    pauseNote_->setContentsMargins(indent, 0, 0, 0);
    untimed_->setObjectName(QStringLiteral("untimed"));
    untimedNote_->setWordWrap(true);
    untimedNote_->setBuddy(untimed_);
    untimedNote_->setContentsMargins(indent, 0, 0, 0);
    lessMotion_->setObjectName(QStringLiteral("lessMotion"));
    highContrast_->setObjectName(QStringLiteral("highContrast"));
    looksNote_->setWordWrap(true);
    looksNote_->setContentsMargins(indent, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pauseWhenAway_);
    layout->addWidget(pauseNote_);
    layout->addWidget(untimed_);
    layout->addWidget(untimedNote_);
    layout->addWidget(lessMotion_);
    layout->addWidget(highContrast_);
    layout->addWidget(looksNote_);
    layout->addStretch(1);
    layout->addWidget(buttons_);
    connect(pauseWhenAway_, &QCheckBox::toggled, this, &SettingsWindow::pauseWhenAwayChanged);
    connect(untimed_, &QCheckBox::toggled, this, &SettingsWindow::untimedChanged);
    // Only the player's clicks and keys choose; a box set from the desktop
    // leaves the choice open.
    connect(lessMotion_, &QCheckBox::clicked, this, &SettingsWindow::lessMotionChanged);
    connect(highContrast_, &QCheckBox::clicked, this, &SettingsWindow::highContrastChanged);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Retranslate();
    setMinimumWidth(360);
}

void SettingsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void SettingsWindow::Retranslate()
{
    setWindowTitle(tr("设置"));
    pauseWhenAway_->setText(tr("离开时暂停"));
    pauseNote_->setText(tr("窗口最小化、切换到别的程序或屏幕锁定时，本关暂停，回来后点一下继续。"));
    pauseWhenAway_->setAccessibleDescription(pauseNote_->text());
    untimed_->setText(tr("不限时"));
    untimedNote_->setText(tr("时间条一直是满的，不会超时；从本关起生效，关掉后从下一关起恢复计时。"
                             "不限时的成绩与限时的分开记录。"));
    untimed_->setAccessibleDescription(untimedNote_->text());
    lessMotion_->setText(tr("少动画"));
    highContrast_->setText(tr("高对比度"));
    looksNote_->setText(
        tr("少动画：没有飘动的小图、跳动的画面和闪烁；高对比度：粗边框和黑底白字。未选择时跟随桌面的设置。"));
    lessMotion_->setAccessibleDescription(looksNote_->text());
    highContrast_->setAccessibleDescription(looksNote_->text());
}

void OpenSettings(QWidget* parent, PlayerPreferences& preferences, MainWindow& window, Looks& looks)
{
    SettingsWindow settings(preferences.PausesWhenAway(), parent);
    QObject::connect(&settings, &SettingsWindow::pauseWhenAwayChanged, &settings, [&](bool on) {
        preferences.SetPauseWhenAway(on);
        window.SetPauseWhenAway(on);
    });
    settings.Untimed()->setChecked(preferences.Untimed());
    QObject::connect(&settings, &SettingsWindow::untimedChanged, &settings, [&](bool on) {
        preferences.SetUntimed(on);
        window.SetUntimed(on);
    });
    const auto showLooks = [&] {
        settings.LessMotion()->setChecked(looks.LessMotion());
        settings.HighContrast()->setChecked(looks.HighContrast());
    };
    showLooks();
    QObject::connect(&looks, &Looks::changed, &settings, showLooks);
    QObject::connect(&settings, &SettingsWindow::lessMotionChanged, &settings, [&](bool on) {
        preferences.SetLessMotion(on);
        looks.ChooseLessMotion(on);
    });
    QObject::connect(&settings, &SettingsWindow::highContrastChanged, &settings, [&](bool on) {
        preferences.SetHighContrast(on);
        looks.ChooseHighContrast(on);
    });
    settings.exec();
}

} // namespace daz
