#include "PictureNamesWindow.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "leveldata/ConfinedFiles.h"
#include "leveldata/LevelFiles.h"
#include "leveltools/LevelEditor.h"

namespace daz {
namespace {

constexpr int kThumbnail = 40;  // pixels, the longer side
constexpr int kNameLength = 20; // characters: a name is a word or two
// A tile is small; a picture larger than this is not shown, only named.
constexpr int kLargestPicture = 1024;

QPixmap Thumbnail(const QString& path)
{
    FileError error;
    const auto bytes = ReadPickedFile(path, kPictureFileBudget, error);
    if (!bytes) {
        return {};
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestPicture || size.height() > kLargestPicture) {
        return {};
    }
    const QImage image = reader.read();
    return image.isNull() ? QPixmap()
                          : QPixmap::fromImage(
                              image.scaled(kThumbnail, kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

PictureNamesWindow::PictureNamesWindow(const QString& sourceFolder, int count, const QStringList& names,
                                       QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("图案名称"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(count > 0 ? tr("给每张图片起个名字，读屏软件会念给看不见棋盘的玩家听。可以不填。")
                                      : tr("请先选择图片目录，或填写图片张数。"),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* rows = new QWidget;
    auto* form = new QFormLayout(rows);
    for (int k = 1; k <= count; ++k) {
        auto* picture = new QLabel;
        picture->setFixedSize(kThumbnail, kThumbnail);
        picture->setAlignment(Qt::AlignCenter);
        const QPixmap thumbnail = Thumbnail(InFolder(sourceFolder, LevelEditor::PictureFile(k)));
        if (thumbnail.isNull()) {
            picture->setText(QString::number(k));
        } else {
            picture->setPixmap(thumbnail);
        }
        auto* line = new QLineEdit(names.value(k - 1));
        line->setMaxLength(kNameLength);
        line->setPlaceholderText(tr("图案 %1").arg(k));
        line->setAccessibleName(tr("%1 的名称").arg(LevelEditor::PictureFile(k)));
        picture->setBuddy(line);
        form->addRow(picture, line);
        lines_.append(line);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setVisible(count > 0);
    layout->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(
        count > 0 ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(360, count > 0 ? 480 : 140);
}

QStringList PictureNamesWindow::Names() const
{
    QStringList names;
    for (const QLineEdit* line : lines_) {
        names.append(line->text().simplified());
    }
    while (!names.isEmpty() && names.back().isEmpty()) {
        names.removeLast();
    }
    return names;
}

} // namespace daz
