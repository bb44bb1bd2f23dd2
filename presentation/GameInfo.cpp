#include "GameInfo.h"

#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "leveldata/ConfinedFiles.h"
#include "leveldata/ProgramPaths.h"
#include "leveldata/TextEncoding.h"
#include "presentation/FileErrorText.h"

namespace daz {

const QString GameInfo::kHelpFile = QStringLiteral("\\dazRedme.txt");

QString GameInfo::WindowCaption()
{
    return tr("霁岚连连看2006.10.4");
}

GameInfo::GameInfo(const DataFolders& folders, platform::Desktop& desktop, platform::MessageBoxes& boxes)
    : folders_(folders), desktop_(desktop), boxes_(boxes)
{
}

QString GameInfo::HelpFile() const
{
    // Each language has a help file of its own, named by its translation;
    // without one the Chinese help is shown.
    const QString own = tr("\\dazRedme.txt", "file name of the help text in this language");
    if (own != kHelpFile) {
        const QString path = folders_.Find(own);
        if (FileExists(path)) {
            return path;
        }
    }
    return folders_.Find(kHelpFile);
}

void GameInfo::OpenHelp()
{
    if (std::optional<QString> text = HelpText()) {
        emit helpOpened(*text);
    }
}

std::optional<QString> GameInfo::HelpText() const
{
    const QString help = HelpFile();
    if (!FileExists(help)) {
        platform::Warn(boxes_, tr("帮助文件丢失！"));
        return std::nullopt;
    }
    FileError reason;
    const std::optional<QByteArray> bytes = ReadFileBelow(folders_.RootOf(help), help, kTextFileBudget, reason);
    if (!bytes) {
        platform::Warn(boxes_,
                       tr("帮助文件“%1”无法读取：%2").arg(QDir::toNativeSeparators(help), FileErrorText(reason)));
        return std::nullopt;
    }
    // Written on Chinese Windows in GBK, or in UTF-8.
    const StoredText stored = SplitStoredText(*bytes);
    QString text = DecodeText(stored.body, stored.encoding);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString GameInfo::Readme() const
{
    // The documents sit beside the shipped folder, in <prefix>/share/doc/.
    const QString readme = QDir::cleanPath(folders_.Shipped() + QStringLiteral("/../doc/jilan-llk/README.md"));
    return QFileInfo(readme).isFile() ? readme : QString();
}

void GameInfo::SendFeedback()
{
    QUrl mail(QStringLiteral("mailto:"));
    mail.setQuery(QStringLiteral("subject=")
                  + tr("霁岚连连看 %1 建议反馈").arg(QCoreApplication::applicationVersion()));
    if (!desktop_.Open(mail)) {
        platform::Tell(boxes_, tr("没有找到可以写邮件的程序。"));
    }
}

void GameInfo::OpenDownloads()
{
    const QString readme = Readme();
    if (readme.isEmpty() || !desktop_.Open(QUrl::fromLocalFile(readme))) {
        platform::Tell(boxes_, tr("游戏和关卡包从哪里来、关卡包怎样玩，写在说明文件 README.md 里"
                                  "（安装后在 share/doc/jilan-llk/ 文件夹里）。"));
    }
}

void GameInfo::ShowAbout()
{
    const QString readme = Readme();
    const QString readmeLine = !readme.isEmpty() ? tr("说明：%1").arg(QDir::toNativeSeparators(readme))
                                                 : tr("说明：README.md（安装后在 share/doc/jilan-llk/ 文件夹里）");
    const QString text = tr("霁岚连连看 %1\n"
                            "以 MIT 许可证发布。\n"
                            "帮助：主菜单的“主题帮助”（F1），即 %2\n"
                            "%3")
                             .arg(QCoreApplication::applicationVersion(), QDir::toNativeSeparators(HelpFile()),
                                  readmeLine);
    platform::Tell(boxes_, text, tr("关于%1").arg(WindowCaption()));
}

} // namespace daz
