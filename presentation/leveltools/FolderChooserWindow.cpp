#include "FolderChooserWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyleOptionComboBox>
#include <QTreeView>

namespace daz {
namespace {

// The window's title, and the words over the path field.
const char* const kCaption = QT_TRANSLATE_NOOP("daz::FolderChooserWindow", "请选择你制作好的关卡图片及蒙版所在目录：");

// The mounted file systems stand for the drives; the root comes first.
QStringList DriveRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(volume.rootPath());
        if (!roots.contains(root)) {
            roots << root;
        }
    }
    roots.sort();
    if (roots.isEmpty()) {
        roots << QDir::rootPath();
    }
    return roots;
}

} // namespace

FolderChooserWindow::FolderChooserWindow(const QString& programFolder, platform::MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      chooser_(programFolder, QDir::currentPath(), boxes),
      txtDrive_(new QLineEdit(this)),
      dir1_(new QTreeView(this)),
      drive1_(new QComboBox(this)),
      folders_(new QFileSystemModel(this))
{
    setWindowTitle(tr(kCaption));
    setFixedSize(329, 266);

    // The words run on over the buttons' column.
    auto* label = new QLabel(tr(kCaption), this);
    label->setGeometry(16, 14, 297, 18);

    txtDrive_->setGeometry(16, 40, 225, 25);
    txtDrive_->setText(chooser_.path);
    connect(txtDrive_, &QLineEdit::textEdited, this, [this](const QString& text) { chooser_.path = text; });

    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    dir1_->setModel(folders_);
    dir1_->setGeometry(16, 72, 225, 156);
    dir1_->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        dir1_->hideColumn(column);
    }
    connect(dir1_, &QTreeView::clicked, this, &FolderChooserWindow::FolderClicked);
    connect(dir1_, &QTreeView::activated, this, &FolderChooserWindow::FolderClicked);

    drive1_->setGeometry(16, 234, 225, 22);
    // A mount point may be longer than the list is wide: it shows shortened
    // in its middle, whole in its tip.
    QStyleOptionComboBox field;
    field.initFrom(drive1_);
    field.subControls = QStyle::SC_All;
    const int room =
        drive1_->style()->subControlRect(QStyle::CC_ComboBox, &field, QStyle::SC_ComboBoxEditField, drive1_).width()
        - 2;
    for (const QString& root : DriveRoots()) {
        drive1_->addItem(drive1_->fontMetrics().elidedText(root, Qt::ElideMiddle, room), root);
        drive1_->setItemData(drive1_->count() - 1, root, Qt::ToolTipRole);
    }
    connect(drive1_, &QComboBox::activated, this, &FolderChooserWindow::DriveChosen);
    // Folders are read in the background; once the current one is there it
    // can be scrolled into view.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this] { dir1_->scrollTo(dir1_->currentIndex()); });

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setGeometry(256, 40, 57, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setGeometry(256, 88, 57, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowFolder();
}

std::optional<QString> FolderChooserWindow::Choose(QWidget* parent, const QString& programFolder,
                                                   platform::MessageBoxes& boxes)
{
    FolderChooserWindow window(programFolder, boxes, parent);
    if (window.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return window.Path();
}

QString FolderChooserWindow::Path() const
{
    return chooser_.Accept();
}

QString FolderChooserWindow::Root(int drive) const
{
    return drive1_->itemData(drive).toString();
}

int FolderChooserWindow::DriveOf(const QString& folder) const
{
    // The longest root the folder lies in.
    int best = -1;
    for (int i = 0; i < drive1_->count(); ++i) {
        const QString root = Root(i);
        const bool inside = folder == root || folder.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (inside && (best < 0 || root.size() > Root(best).size())) {
            best = i;
        }
    }
    return best;
}

void FolderChooserWindow::ShowFolder()
{
    const int drive = DriveOf(chooser_.Folder());
    if (drive >= 0) {
        drive1_->setCurrentIndex(drive);
        dir1_->setRootIndex(folders_->index(Root(drive)));
    }
    const QModelIndex folder = folders_->index(chooser_.Folder());
    dir1_->setCurrentIndex(folder);
    dir1_->scrollTo(folder);
    dir1_->expand(folder);
}

void FolderChooserWindow::FolderClicked(const QModelIndex& index)
{
    if (chooser_.OpenFolder(folders_->filePath(index))) {
        txtDrive_->setText(chooser_.path);
    } else {
        ShowFolder();
    }
}

void FolderChooserWindow::DriveChosen(int index)
{
    if (chooser_.OpenFolder(Root(index))) {
        txtDrive_->setText(chooser_.path);
    }
    ShowFolder();
}

} // namespace daz
