#pragma once

#include <optional>

#include <QDialog>
#include <QString>

#include "leveltools/FolderChooser.h"

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace daz {

// The folder chooser's window: the path field, the folders of the current
// drive, the drives, and 确定/取消.
class FolderChooserWindow : public QDialog {
    Q_OBJECT

public:
    FolderChooserWindow(const QString& programFolder, platform::MessageBoxes& boxes, QWidget* parent);

    // Shows the chooser modally; the path field's text when confirmed,
    // nothing when cancelled.
    static std::optional<QString> Choose(QWidget* parent, const QString& programFolder, platform::MessageBoxes& boxes);

    QLineEdit* PathField() const { return txtDrive_; }
    QTreeView* FolderList() const { return dir1_; }
    QComboBox* DriveList() const { return drive1_; }
    // The text the path field holds.
    QString Path() const;

private:
    void FolderClicked(const QModelIndex& index);
    void DriveChosen(int index);
    // Moves the folder list to the chooser's folder.
    void ShowFolder();
    int DriveOf(const QString& folder) const;
    // The root of a drive in the list, whole.
    QString Root(int drive) const;

    FolderChooser chooser_;
    QLineEdit* txtDrive_;
    QTreeView* dir1_;
    QComboBox* drive1_;
    QFileSystemModel* folders_;
};

} // namespace daz
