#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace daz {

// The help text in a window of the game: read-only, in the game's colours
// and font, beside the main window (the game goes on behind it).
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;
    QPlainTextEdit* View() const { return view_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QPlainTextEdit* view_;
};

} // namespace daz
