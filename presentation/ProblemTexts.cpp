#include "ProblemTexts.h"

#include <QCoreApplication>
#include <QDir>

#include "FileErrorText.h"
#include "LevelNames.h"

namespace daz {
namespace {

// The context of these words for translators: "ProblemTexts".
class Words {
    Q_DECLARE_TR_FUNCTIONS(ProblemTexts)
};

} // namespace

QString CatalogueProblemText(const Catalogue& catalogue)
{
    QStringList lines;
    if (catalogue.menu > kMostCatalogueLevels) {
        lines << Words::tr("关卡目录中有 %1 个关卡，关卡菜单只能列出前 %2 个。")
                     .arg(catalogue.menu)
                     .arg(kMostCatalogueLevels);
    }
    // Runs of consecutive numbers are named by their first and last.
    const std::vector<int>& missing = catalogue.missing;
    QStringList runs;
    for (std::size_t i = 0; i < missing.size();) {
        std::size_t last = i;
        while (last + 1 < missing.size() && missing[last + 1] == missing[last] + 1) {
            ++last;
        }
        runs << (last == i ? QString::number(missing[i]) : Words::tr("%1至%2").arg(missing[i]).arg(missing[last]));
        i = last + 1;
    }
    if (!runs.isEmpty()) {
        lines << Words::tr("第%1关的条目缺失").arg(runs.join(Words::tr("、")));
    }
    return lines.join(u'\n');
}

QString LevelProblemText(const LevelProblem& problem)
{
    switch (problem.kind) {
    case LevelProblemKind::None: break;
    case LevelProblemKind::FolderOutside: return Words::tr("关卡文件夹“%1”不在游戏的文件夹之内").arg(problem.name);
    case LevelProblemKind::SettingsMissing: return Words::tr("找不到关卡设置文件 setme.ini");
    case LevelProblemKind::SettingsUnreadable:
        return Words::tr("关卡设置文件 setme.ini 无法读取：%1").arg(FileErrorText(problem.reason));
    case LevelProblemKind::SettingsInvalid: return Words::tr("设置文件 setme.ini 中的数值有误");
    case LevelProblemKind::BoardSizeUnusable:
        return Words::tr("棋盘大小 %1 × %2 无法使用：每边至少 1 格，格子总数须为偶数，横纵相加不超过 99")
            .arg(problem.width)
            .arg(problem.height);
    case LevelProblemKind::MusicOutside: return Words::tr("音乐文件“%1”不在游戏的 media 文件夹之内").arg(problem.name);
    case LevelProblemKind::PictureCountInvalid: return Words::tr("图片数量 PhotoSum=%1 无效").arg(problem.width);
    case LevelProblemKind::PictureMissing: return Words::tr("缺少图片文件 %1").arg(problem.name);
    case LevelProblemKind::PictureUnreadable:
        return Words::tr("图片文件 %1 无法读取（%2）").arg(problem.name, FileErrorText(problem.reason));
    case LevelProblemKind::PictureTooLarge:
        return Words::tr("图片文件 %1 太大（%2 × %3 像素）").arg(problem.name).arg(problem.width).arg(problem.height);
    }
    return {};
}

QString KeptRoundProblemText(const KeptRoundProblem& problem)
{
    const auto n = [&problem](std::size_t i) { return problem.n[i]; };
    switch (problem.kind) {
    case KeptRoundProblemKind::None: break;
    case KeptRoundProblemKind::Link: return Words::tr("它是一个符号链接，游戏不经由链接读写文件");
    case KeptRoundProblemKind::Unreadable: return FileErrorText(problem.file);
    case KeptRoundProblemKind::NotJson: return Words::tr("内容不是有效的 JSON");
    case KeptRoundProblemKind::KeyTwice: return Words::tr("键“%1”重复出现").arg(problem.text);
    case KeptRoundProblemKind::NotKeptRound: return Words::tr("不是霁岚连连看保存的棋局");
    case KeptRoundProblemKind::UnknownVersion: return Words::tr("格式版本 %1 无法识别").arg(problem.text);
    case KeptRoundProblemKind::ModeLevelOrScore: return Words::tr("模式、关卡或积分有误");
    case KeptRoundProblemKind::TimeOutOfRange: return Words::tr("剩余时间或已用时间为负数或超出范围");
    case KeptRoundProblemKind::NoPauseState: return Words::tr("缺少暂停状态");
    case KeptRoundProblemKind::ToolsOutOfRange: return Words::tr("撤销、提示、洗牌的次数超出范围");
    case KeptRoundProblemKind::BoardSizeInvalid: return Words::tr("棋盘大小无效");
    case KeptRoundProblemKind::RowsDisagree: return Words::tr("棋盘的行数与它的大小不符");
    case KeptRoundProblemKind::ColumnsDisagree: return Words::tr("棋盘的列数与它的大小不符");
    case KeptRoundProblemKind::CellCodeInvalid: return Words::tr("棋盘的格子中有无效的图案编号");
    case KeptRoundProblemKind::UndoInvalid: return Words::tr("撤销记录有误");
    case KeptRoundProblemKind::UndoOutOfRange: return Words::tr("撤销记录中有超出棋盘的格子或无效的图案");
    case KeptRoundProblemKind::SeedInvalid: return Words::tr("随机数种子有误");
    case KeptRoundProblemKind::NegativeCode: return Words::tr("棋盘上有无效的图案编号 %1").arg(n(0));
    case KeptRoundProblemKind::PictureUnpaired:
        return Words::tr("图案 %1 在棋盘上有 %2 张，不成对").arg(n(0)).arg(n(1));
    case KeptRoundProblemKind::NoTilesLeft: return Words::tr("棋盘上已经没有牌");
    case KeptRoundProblemKind::UndoAndTilesDisagree:
        return Words::tr("撤销记录（%1 条）与棋盘上的牌（%2 张）对不上").arg(n(0)).arg(n(1));
    case KeptRoundProblemKind::UndoNotAPair: return Words::tr("第 %1 条撤销记录不是一对相同的牌").arg(n(0));
    case KeptRoundProblemKind::UndoCellOffBoard:
        return Words::tr("撤销记录中的格子 (%1, %2) 不在棋盘上").arg(n(0)).arg(n(1));
    case KeptRoundProblemKind::TimeDisagrees:
        return Words::tr("剩余时间 %1 与已用的 %2 秒、消去的 %3 对牌对不上").arg(problem.text).arg(n(0)).arg(n(1));
    case KeptRoundProblemKind::ScoreDisagrees:
        return Words::tr("积分 %1 与开局时的 %2 分、消去的 %3 对牌和用过的道具对不上").arg(n(0)).arg(n(1)).arg(n(2));
    case KeptRoundProblemKind::SizeDisagrees:
        return Words::tr("棋盘大小 %1 × %2 与关卡设置的 %3 × %4 不符").arg(n(0)).arg(n(1)).arg(n(2)).arg(n(3));
    case KeptRoundProblemKind::PictureNotInLevel:
        return Words::tr("棋局中有关卡没有的图案（关卡只有 %1 种图案）").arg(n(0));
    case KeptRoundProblemKind::UndoCellNotEmpty:
        return Words::tr("撤销记录中的格子 (%1, %2) 不是空的").arg(n(0)).arg(n(1));
    }
    return {};
}

namespace {

QString RecordsNoteText(const RecordsNote& note)
{
    const QString path = QDir::toNativeSeparators(note.path);
    const QString later = Words::tr("\n游戏可以照常进行，这次的成绩先记在内存中，等它能写入时再保存。");
    switch (note.kind) {
    case RecordsNoteKind::FolderNotMade: return Words::tr("无法创建存档文件夹“%1”。").arg(path);
    case RecordsNoteKind::FolderNotWritable:
        return Words::tr("无法在存档文件夹“%1”中写入：%2。").arg(path, FileErrorText(note.reason));
    case RecordsNoteKind::LinkSetAside:
        return Words::tr("你的成绩记录“%1”不是普通文件（例如是一个符号链接或硬链接），"
                         "游戏不经由链接读写文件，已改名为“%2”。\n")
            .arg(path, QDir::toNativeSeparators(note.aside));
    case RecordsNoteKind::LinkStays: return Words::tr("你的成绩记录“%1”不是普通文件，也无法改名保存。").arg(path);
    case RecordsNoteKind::CannotOpen: return Words::tr("无法打开成绩记录“%1”。").arg(path);
    case RecordsNoteKind::DamagedSetAside:
        return Words::tr("你的成绩记录 records.sqlite 无法读取或已损坏，已改名保存为“%1”。\n")
            .arg(QDir::toNativeSeparators(note.aside));
    case RecordsNoteKind::DamagedStays:
        return Words::tr("你的成绩记录“%1”无法读取或已损坏，也无法改名保存。").arg(path);
    case RecordsNoteKind::Newer:
        return Words::tr("你的成绩记录“%1”由更新版本的游戏保存，这个版本只读取其中的成绩，不改动它。").arg(path);
    case RecordsNoteKind::Busy:
        return Words::tr("你的成绩记录“%1”正被另一个程序使用，暂时无法写入。").arg(path) + later;
    case RecordsNoteKind::ReadOnly: return Words::tr("你的成绩记录“%1”是只读的，无法写入。").arg(path) + later;
    case RecordsNoteKind::DiskFull: return Words::tr("磁盘已满，你的成绩记录“%1”暂时无法写入。").arg(path) + later;
    case RecordsNoteKind::Unavailable: return Words::tr("你的成绩记录“%1”暂时无法读写。").arg(path) + later;
    case RecordsNoteKind::NotKept: return Words::tr("\n游戏可以照常进行，但这次的成绩不会保存。");
    case RecordsNoteKind::Afresh: return Words::tr("成绩从头记起。");
    }
    return {};
}

} // namespace

QString RecordsNotesText(const RecordsNotes& notes)
{
    QString text;
    for (const RecordsNote& note : notes) {
        text += RecordsNoteText(note);
    }
    return text;
}

QString PlayerFolderText(const PlayerFolderStatus& status)
{
    const QString path = QDir::toNativeSeparators(status.path);
    QString text;
    switch (status.note) {
    case PlayerFolderNote::None: return {};
    case PlayerFolderNote::FolderNotMade:
        text = Words::tr("无法创建存档文件夹“%1”：%2。").arg(path, FileErrorText(status.reason));
        break;
    case PlayerFolderNote::FolderNotWritable:
        text = Words::tr("无法在存档文件夹“%1”中写入：%2。").arg(path, FileErrorText(status.reason));
        break;
    case PlayerFolderNote::CatalogueLink:
        text = Words::tr("你的游戏设置文件“%1”是一个符号链接，游戏不经由链接读写文件，"
                         "现在使用游戏自带的关卡目录。")
                   .arg(path);
        break;
    case PlayerFolderNote::CatalogueDamaged:
        text = Words::tr("你的游戏设置文件“%1”无法读取或已损坏，也无法改名保存。").arg(path);
        break;
    case PlayerFolderNote::CatalogueSetAside:
        text = Words::tr("你的游戏设置文件 DAZGame.ini 无法读取或已损坏，已改名保存为“%1”。\n"
                         "现在使用游戏自带的关卡目录，关卡和积分从头开始。")
                   .arg(path);
        break;
    case PlayerFolderNote::CopyFailed: text = FileErrorText(status.reason); break;
    case PlayerFolderNote::LevelsNotAdded:
        text = Words::tr("新的关卡未能加入你的关卡目录：%1").arg(FileErrorText(status.reason));
        break;
    case PlayerFolderNote::MenuFull:
        text = Words::tr("你的关卡菜单已满（最多 %1 关），游戏新带的 %2 个关卡无法加入：\n%3")
                   .arg(kMostCatalogueLevels)
                   .arg(status.left.size())
                   .arg(status.left.join(u'\n'));
        break;
    }
    if (!status.canSave) {
        text += Words::tr("\n游戏可以照常进行，但这次的进度和设置不会保存。");
    }
    return text;
}

bool AskAfterFailedRead(platform::MessageBoxes& boxes, IniReadProblem problem)
{
    if (problem == IniReadProblem::FileError) {
        boxes.Show({Words::tr("文件出错"), platform::ApplicationTitle(), platform::MessageIcon::None,
                    platform::MessageButtons::Ok, platform::MessageAnswer::Ok});
        return false;
    }
    platform::MessageAnswer answer;
    do {
        answer = boxes.Show({Words::tr("在文件中没有找到所要查找的字段"), Words::tr("错误信息"),
                             platform::MessageIcon::None, platform::MessageButtons::AbortRetryIgnore,
                             platform::MessageAnswer::Abort});
        if (answer == platform::MessageAnswer::Abort) {
            return false;
        }
    } while (answer != platform::MessageAnswer::Retry);
    return true;
}

void ProblemBoxes::CatalogueMissing()
{
    platform::Tell(boxes_, Words::tr("找不到游戏设置文件 DAZGame.ini，没有可玩的关卡。"));
}

void ProblemBoxes::CatalogueEmpty()
{
    platform::Tell(boxes_, Words::tr("关卡目录是空的：DAZGame.ini 的 [GameMenu] 中没有任何关卡。"));
}

void ProblemBoxes::CatalogueIncomplete(const Catalogue& catalogue)
{
    platform::Tell(boxes_, CatalogueProblemText(catalogue));
}

void ProblemBoxes::LevelUnplayable(const CatalogueEntry& level, const LevelProblem& problem)
{
    platform::Tell(boxes_, Words::tr("第%1关「%2」无法开始：%3。\n请从菜单中选择其他关卡。")
                               .arg(level.number)
                               .arg(LevelName(level), LevelProblemText(problem)));
}

void ProblemBoxes::KeptRoundRefused(const KeptRoundRefusal& refusal)
{
    const QString file = QDir::toNativeSeparators(refusal.file);
    const QString why = KeptRoundProblemText(refusal.problem);
    if (refusal.aside) {
        platform::Tell(boxes_, Words::tr("上次未完成的棋局“%1”无法使用：%2。\n它已改名保存为“%3”，这一关重新发牌。")
                                   .arg(file, why, QDir::toNativeSeparators(*refusal.aside)));
    } else {
        platform::Tell(
            boxes_, Words::tr("上次未完成的棋局“%1”无法使用：%2，也无法改名保存。\n这一关重新发牌。").arg(file, why));
    }
}

void ProblemBoxes::ProgressNotSaved(UnsavedProgress what, const FileError& reason)
{
    platform::Fail(boxes_, (what == UnsavedProgress::Settings ? Words::tr("设置未能保存：%1")
                                                              : Words::tr("未完成的棋局未能保存：%1"))
                               .arg(FileErrorText(reason)));
}

} // namespace daz
