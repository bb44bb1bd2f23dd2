#include "HelpWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "presentation/Contrast.h"
#include "presentation/Pictures.h"

namespace daz {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), view_(new QPlainTextEdit(this))
{
    setWindowTitle(tr("主题帮助"));
    setWindowIcon(QIcon(WindowPicture(QStringLiteral("app-icon.png"))));
    setAutoFillBackground(true);
    QPalette paper;
    paper.setColor(QPalette::Window, QColor(0xF6, 0xEE, 0xDC));
    paper.setColor(QPalette::Base, QColor(0xFF, 0xFB, 0xF0));
    paper.setColor(QPalette::Text, QColor(0x40, 0x28, 0x10));
    UseOwnPalette(this, paper);

    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The game's font; its monospaced cut keeps the help's tables in line,
    // a Chinese character as wide as two letters.
    QFont font = this->font();
    if (QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Micro Hei Mono"))) {
        font.setFamilies(QStringList{QStringLiteral("WenQuanYi Micro Hei Mono")} + font.families());
    }
    font.setPointSize(10);
    view_->setFont(font);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    resize(680, 560);
}

void HelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("主题帮助"));
    }
    QDialog::changeEvent(event);
}

void HelpWindow::SetText(const QString& text)
{
    view_->setPlainText(text);
}

QString HelpWindow::Text() const
{
    return view_->toPlainText();
}

} // namespace daz
