#include "QuitKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace daz {

QuitKey::QuitKey(QWidget* mainWindow) : QObject(mainWindow), main_(mainWindow)
{
    qApp->installEventFilter(this);
}

bool QuitKey::eventFilter(QObject* watched, QEvent* event)
{
    // The main window's own 退出 item takes the key there; elsewhere it
    // reaches the widget with the focus, and this filter first.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && QKeySequence(key->keyCombination()) == Key()) {
            Quit();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void QuitKey::Quit()
{
    bool closedAny = false;
    // Menus and modal windows, innermost first. Closing one that runs its
    // own loop ends that loop once control returns to it.
    for (;;) {
        QWidget* open = QApplication::activePopupWidget();
        if (!open) {
            open = QApplication::activeModalWidget();
        }
        if (!open || open == main_) {
            break;
        }
        if (!open->close()) {
            return;
        }
        closedAny = true;
    }
    // The windows beside the main one, as the help.
    for (QWidget* child : main_->findChildren<QWidget*>()) {
        if (child->isWindow() && child->isVisible()) {
            if (!child->close()) {
                return;
            }
            closedAny = true;
        }
    }
    if (!closedAny) {
        main_->close();
        return;
    }
    // The loops of the windows closed return first; then the main window
    // goes as its 退出 does.
    QTimer::singleShot(0, main_, [main = main_] { main->close(); });
}

} // namespace daz
