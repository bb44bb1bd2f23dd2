#include "SettingsWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "presentation/MainWindow.h"
#include "presentation/PlayerPreferences.h"

namespace daz {

SettingsWindow::SettingsWindow(bool pauseWhenAway, QWidget* parent)
    : QDialog(parent),
      pauseWhenAway_(new QCheckBox(this)),
      pauseNote_(new QLabel(this)),
      untimed_(new QCheckBox(this)),
      untimedNote_(new QLabel(this)),
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pauseWhenAway_);
    layout->addWidget(pauseNote_);
    layout->addWidget(untimed_);
    layout->addWidget(untimedNote_);
    layout->addStretch(1);
    layout->addWidget(buttons_);
    connect(pauseWhenAway_, &QCheckBox::toggled, this, &SettingsWindow::pauseWhenAwayChanged);
    connect(untimed_, &QCheckBox::toggled, this, &SettingsWindow::untimedChanged);
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
}

void OpenSettings(QWidget* parent, PlayerPreferences& preferences, MainWindow& window)
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
    settings.exec();
}

} // namespace daz
