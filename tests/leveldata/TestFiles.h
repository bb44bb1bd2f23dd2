#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FakeMessageBoxes.h"
#include "FileBytes.h"
#include "leveldata/IniFile.h"
#include "presentation/FileErrorText.h"
#include "presentation/ProblemTexts.h"

namespace daz::testing {

// A program folder of its own for each test, with an IniAccess over it and
// boxes that record what was shown.
class ProgramFolderTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder.path() + u'/' + name; }
    // Writes a file into the program folder and returns its path.
    QString File(const QString& name, const QByteArray& bytes)
    {
        const QString path = Path(name);
        WriteBytes(path, bytes);
        return path;
    }
    QStringList ShownTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes.shown) {
            texts << box.text;
        }
        return texts;
    }

    QTemporaryDir folder;
    FakeMessageBoxes boxes;
    IniReadBoxes iniReads{boxes};
    IniAccess ini{folder.path(), iniReads};
};

inline const QString kFileError = QStringLiteral("文件出错");
inline const QString kKeyMissing = QStringLiteral("在文件中没有找到所要查找的字段");

} // namespace daz::testing
