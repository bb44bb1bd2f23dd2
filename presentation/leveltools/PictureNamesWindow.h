#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;

namespace daz {

// Names for a new level's pictures, one line each beside its picture, for
// players who hear the board read to them. Names may be left empty: the
// board then says "图案 N". Tab walks the names, Return keeps them, Esc
// leaves them as they were.
class PictureNamesWindow : public QDialog {
    Q_OBJECT

public:
    // The pictures 1.gif … count.gif of the source folder, with the names
    // given so far ([k - 1] for picture k).
    PictureNamesWindow(const QString& sourceFolder, int count, const QStringList& names, QWidget* parent);

    // The names as typed, one a picture, trailing empty ones left out.
    QStringList Names() const;

private:
    QList<QLineEdit*> lines_;
};

} // namespace daz
