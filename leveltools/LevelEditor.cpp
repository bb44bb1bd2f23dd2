#include "LevelEditor.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "leveldata/Conversions.h"
#include "leveldata/Formats.h"
#include "leveldata/LevelFiles.h"
#include "leveldata/ProgramPaths.h"
#include "presentation/FileErrorText.h"

namespace daz {
namespace {

// Why the entries are refused when a picture the level needs is not in the
// source folder.
QString MissingPictureMessage(const QString& picture)
{
    return LevelEditor::tr("没有发现你打开目录下有%1，请先制作！").arg(picture);
}

// The picture count, checked to be whole. The field holds two digits; a
// larger count stops at the first picture missing anyway.
long long PictureCount(double number)
{
    return static_cast<long long>(std::min(number, 1e9));
}

// What making a level has done so far, so that a failure can take it back.
struct MadeSoFar {
    QString levelFolder; // the folder being built, or the level folder once moved into place
    QString copiedMusic; // set once a music file was copied into the media folder

    // Takes back what was done; returns what could not be taken back.
    QString Undo() const
    {
        QStringList problems;
        if (!copiedMusic.isEmpty() && !QFile::remove(copiedMusic)) {
            problems << LevelEditor::tr("无法删除文件“%1”").arg(QDir::toNativeSeparators(copiedMusic));
        }
        if (!levelFolder.isEmpty() && !QDir(levelFolder).removeRecursively()) {
            problems << LevelEditor::tr("无法删除文件夹“%1”").arg(QDir::toNativeSeparators(levelFolder));
        }
        if (problems.isEmpty()) {
            return {};
        }
        // On a line of its own below what went wrong.
        return u'\n' + LevelEditor::tr("另外，已做的改动未能全部撤销：\n%1").arg(problems.join(u'\n'));
    }
};

} // namespace

LevelEditor::LevelEditor(LevelToolContext& context) : context_(context) {}

QString LevelEditor::LevelFolder() const
{
    return context_.Folders().ForWriting(kLevelsFolder + fields.name + u'\\');
}

bool LevelEditor::NameTaken() const
{
    // A level of that name shipped with the game counts as well: the new
    // one would be played over it.
    const DataFolders& folders = context_.Folders();
    const QString stored = kLevelsFolder + fields.name + u'\\';
    return FolderHoldsFiles(LevelFolder()) || FolderHoldsFiles(ResolveExisting(NativePath(folders.Shipped(), stored)));
}

void LevelEditor::ChooseBackground()
{
    const FileFilter filter = PictureFilter();
    fields.background = context_.dialogs.OpenFile(filter.description, filter.patterns, QString()).value_or(QString());
}

void LevelEditor::ChooseMusic()
{
    const FileFilter filter = MusicFilter();
    const auto file = context_.dialogs.OpenFile(filter.description, filter.patterns, QString());
    if (!file) {
        fields.music.clear();
        return;
    }
    fields.music = *file;
    musicName_ = QFileInfo(*file).fileName();
}

void LevelEditor::ChooseColour()
{
    if (const auto colour = context_.dialogs.ChooseColour(fields.backColour)) {
        fields.backColour = *colour;
    }
}

QString LevelEditor::PictureFile(long long number)
{
    return QString::number(number) + QStringLiteral(".gif");
}

int LevelEditor::NameablePictures() const
{
    constexpr int kMost = 99; // the count field's two digits
    if (const auto count = FieldNumber(fields.photoSum); count && *count >= 1 && *count <= kMost) {
        return static_cast<int>(PictureCount(*count));
    }
    int found = 0;
    while (!fields.sourceFolder.isEmpty() && found < kMost
           && QFileInfo(InFolder(fields.sourceFolder, PictureFile(found + 1))).isFile()) {
        ++found;
    }
    return found;
}

std::optional<Refusal> LevelEditor::Validate() const
{
    const Fields& f = fields;
    if (f.name.isEmpty()) {
        return Refusal{LevelEditor::tr("请输入一个关卡名称！"), ToolField::LevelName};
    }
    // Before the name is used as a path at all.
    if (const QString problem = LevelNameProblem(f.name); !problem.isEmpty()) {
        return Refusal{problem, ToolField::LevelName, true};
    }
    // The level goes into its folder and into the catalogue.
    for (const QString& stored : {QString(kLevelsFolder + f.name + u'\\'), kGameIniFile}) {
        if (const QString link = context_.Folders().LinkLeadingOut(stored); !link.isEmpty()) {
            return Refusal{LinkLeadingOutMessage(link)};
        }
    }
    if (NameTaken()) {
        return Refusal{LevelEditor::tr("对不起！此关卡名称已经存在，请改一个！")};
    }
    if (f.sourceFolder.isEmpty()) {
        return Refusal{LevelEditor::tr("请选择关卡图片及蒙版所在目录！"), ToolField::SourceFolder};
    }

    if (f.photoSum.isEmpty()) {
        return Refusal{LevelEditor::tr("你准备了几张关卡图片（不含蒙版）！"), ToolField::PhotoSum};
    }
    const auto pictures = FieldNumber(f.photoSum);
    if (!pictures) {
        return Refusal{LevelEditor::tr("你准备了几张关卡图片（不含蒙版）只能是数字！"), ToolField::PhotoSum, true};
    }
    if (!IsWhole(*pictures) || *pictures < kFewestPictures) {
        return Refusal{LevelEditor::tr("你准备了几张关卡图片（不含蒙版）最少要有１０张图片哟！"), ToolField::PhotoSum,
                       true};
    }

    if (auto refusal = CheckBoardSize(f.maxX, f.maxY)) {
        return refusal;
    }
    if (!IsEven(*FieldNumber(f.maxX)) && !IsEven(*FieldNumber(f.maxY))) {
        return Refusal{OddBoardMessage(), ToolField::MaxX};
    }

    for (const char* mask : {"mb1.gif", "mb2.gif"}) {
        if (!FileExists(InFolder(f.sourceFolder, QString::fromLatin1(mask)))) {
            return Refusal{MissingPictureMessage(QString::fromLatin1(mask)), ToolField::MaxX};
        }
    }
    const long long count = PictureCount(*pictures);
    for (long long i = 1; i <= count; ++i) {
        if (!FileExists(InFolder(f.sourceFolder, LevelEditor::PictureFile(i)))) {
            return Refusal{MissingPictureMessage(LevelEditor::PictureFile(i))};
        }
    }

    if (const QString problem = MakerNameProblem(f.maker); !problem.isEmpty()) {
        return Refusal{problem, ToolField::Maker, true};
    }
    if (!f.music.isEmpty()) {
        if (const QString link = context_.Folders().LinkLeadingOut(kMediaFolder + musicName_); !link.isEmpty()) {
            return Refusal{LinkLeadingOutMessage(link)};
        }
    }
    return std::nullopt;
}

LevelEditor::Result LevelEditor::Accept()
{
    if (const auto refusal = Validate()) {
        platform::Tell(context_.boxes, refusal->message);
        return {Outcome::Refused, *refusal};
    }

    // The level's number comes from the catalogue; without it the level
    // could not be listed, so nothing is made.
    const QString catalogue = context_.Folders().ForWriting(kGameIniFile);
    IniReader file(context_.ini, catalogue);
    if (file.Readable() && !file.HasHeader(kCatalogueSection)) {
        platform::Fail(context_.boxes,
                       LevelEditor::tr("关卡目录“%1”中没有 [GameMenu] 一节，无法加入新关卡。没有创建任何文件。")
                           .arg(QDir::toNativeSeparators(catalogue)));
        return {Outcome::Failed, {}};
    }
    const auto levelCount = ToInt16(file.Read(kCatalogueSection, QStringLiteral("Menu")));
    if (!levelCount) {
        platform::Fail(context_.boxes,
                       LevelEditor::tr("关卡目录“%1”中没有关卡数量（Menu），无法加入新关卡。没有创建任何文件。")
                           .arg(QDir::toNativeSeparators(catalogue)));
        return {Outcome::Failed, {}};
    }

    if (const QString error = Create(*levelCount + 1); !error.isEmpty()) {
        platform::Fail(context_.boxes, error);
        return {Outcome::Failed, {}};
    }
    platform::Tell(context_.boxes, LevelEditor::tr("关卡文件生成，已加入关卡菜单！"));
    return {Outcome::Created, {}};
}

QString LevelEditor::Create(int levelNumber)
{
    const Fields& f = fields;
    const DataFolders& folders = context_.Folders();
    MadeSoFar made;
    const auto step = [this](Step s) {
        if (beforeStep) {
            beforeStep(s);
        }
    };
    const auto fail = [&made](const QString& error) { return error + made.Undo(); };

    // The level is built in a folder of its own beside the others and takes
    // its name only when complete; what earlier builds that were cut short
    // left there goes first.
    step(Step::CreateFolder);
    const QString level = LevelFolder();
    const QFileInfo levelInfo(QDir::cleanPath(level));
    if (levelInfo.exists() || levelInfo.isSymLink()) { // left alone
        return FileErrorText(
            FileError::Of(FileError::Cause::FolderTaken).While(FileError::Doing::CreatingFolder, level));
    }
    const QString root = folders.Player();
    if (const FileError error = MakeFolders(root, levelInfo.absolutePath()); error.Failed()) {
        return FileErrorText(error);
    }
    RemoveUnfinishedFolders(root, levelInfo.absolutePath());
    QString building;
    if (const FileError error = MakeUnfinishedFolder(root, level, building); error.Failed()) {
        return FileErrorText(error);
    }
    made.levelFolder = building;
    const QString folder = building + u'/';

    step(Step::CopyPictures);
    const long long count = PictureCount(*FieldNumber(f.photoSum));
    for (long long j = 1; j <= count; ++j) {
        if (const FileError error = CopyFileReplacing({}, InFolder(f.sourceFolder, LevelEditor::PictureFile(j)), root,
                                                      folder + LevelEditor::PictureFile(j));
            error.Failed()) {
            return fail(FileErrorText(error));
        }
    }
    step(Step::CopyMasks);
    for (const QString& mask : {QStringLiteral("mb1.gif"), QStringLiteral("mb2.gif")}) {
        if (const FileError error = CopyFileReplacing({}, InFolder(f.sourceFolder, mask), root, folder + mask);
            error.Failed()) {
            return fail(FileErrorText(error));
        }
    }

    step(Step::CopyBackground);
    if (!f.background.isEmpty()) {
        if (const FileError error = CopyFileReplacing({}, f.background, root, folder + QStringLiteral("gameback.jpg"));
            error.Failed()) {
            return fail(FileErrorText(error));
        }
    }

    // The music goes into the shared media folder, unless a file of that
    // name is there already; the level then plays the file already there.
    step(Step::CopyMusic);
    if (!f.music.isEmpty()) {
        if (!folders.HasFile(kMediaFolder + musicName_)) {
            const QString target = folders.ForWriting(kMediaFolder + musicName_);
            if (target.isEmpty()) {
                return fail(LevelEditor::tr("无法保存音乐文件“%1”").arg(musicName_));
            }
            if (const FileError error = MakeFolders(root, QFileInfo(target).absolutePath()); error.Failed()) {
                return fail(FileErrorText(error));
            }
            if (const FileError error = CopyFileReplacing({}, f.music, root, target); error.Failed()) {
                return fail(FileErrorText(error));
            }
            made.copiedMusic = target;
        }
    }

    step(Step::WriteSettings);
    LevelSettingsText settings;
    settings.maxX = f.maxX;
    settings.maxY = f.maxY;
    settings.photoSum = f.photoSum;
    settings.gBackColor = QString::number(f.backColour);
    settings.mediaName = f.music.isEmpty() ? QString() : musicName_;
    settings.particle = QString::number(f.particle);
    if (IniWriteResult result = WriteLevelSettings(context_.ini, folder + kLevelSettingsFile, settings); !result.ok) {
        return fail(FileErrorText(result.error));
    }

    if (!f.names.IsEmpty()) {
        step(Step::WriteNames);
        if (const FileError error = WritePictureNames(root, building, f.names); error.Failed()) {
            return fail(FileErrorText(error));
        }
    }

    step(Step::MoveIntoPlace);
    if (const FileError error = MoveFolderIntoPlace(root, building, level); error.Failed()) {
        return fail(FileErrorText(error));
    }
    made.levelFolder = level;

    // The two lines and the new count, in one replace of the catalogue.
    step(Step::AddToCatalogue);
    const QString catalogue = folders.ForWriting(kGameIniFile);
    const IniWriteResult result = AppendCatalogueLevel(context_.ini, catalogue, levelNumber, f.name, f.maker);
    if (!result.ok) {
        return fail(FileErrorText(result.error));
    }
    if (!result.sectionFound) {
        return fail(LevelEditor::tr("关卡目录“%1”中没有 [GameMenu] 一节，无法更新关卡数量。")
                        .arg(QDir::toNativeSeparators(catalogue)));
    }
    return {};
}

} // namespace daz
