#include "LevelModifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "leveldata/Conversions.h"
#include "leveldata/LevelFiles.h"
#include "leveldata/ProgramPaths.h"
#include "presentation/FileErrorText.h"

namespace daz {
namespace {

const QString kBackgroundFile = QStringLiteral("gameback.jpg");

} // namespace

LevelModifier::LevelModifier(LevelToolContext& context) : context_(context) {}

Catalogue LevelModifier::Load()
{
    Catalogue catalogue = ReadCatalogue(context_.ini, context_.Folders().Find(kGameIniFile));
    levels_ = catalogue.levels;
    chosen_ = -1;
    folder_.clear();
    storedFolder_.clear();
    return catalogue;
}

QStringList LevelModifier::LevelItems(const std::function<QString(const CatalogueEntry&)>& nameOf) const
{
    QStringList items;
    for (const CatalogueEntry& level : levels_) {
        //: An item of the level list: the level's number and its name.
        items << LevelModifier::tr("%1．%2").arg(QString::number(level.number), nameOf(level));
    }
    return items;
}

QString LevelModifier::SettingsFile() const
{
    return context_.Folders().Find(storedFolder_ + kLevelSettingsFile);
}

bool LevelModifier::HasOwnBackground() const
{
    // An empty picture in the player's folder stands for one taken away
    // from a shipped level.
    const QString path = context_.Folders().Find(storedFolder_ + kBackgroundFile);
    return FileExists(path) && QFileInfo(path).size() > 0;
}

QString LevelModifier::MakePlayersCopy()
{
    const DataFolders& folders = context_.Folders();
    const QString settings = SettingsFile();
    if (folders.IsSingle() || folders.IsPlayers(settings)) {
        return {};
    }
    const QString copy = folders.ForWriting(storedFolder_ + kLevelSettingsFile);
    if (const FileError error = MakeFolders(folders.Player(), QFileInfo(copy).absolutePath()); error.Failed()) {
        return FileErrorText(error);
    }
    return FileErrorText(CopyFileReplacing(folders.RootOf(settings), settings, folders.Player(), copy));
}

QString LevelModifier::ReadSetting(const QString& key)
{
    return context_.ini.ReadIniKey(SettingsFile(), kLevelSection, key);
}

void LevelModifier::ChooseLevel(int position)
{
    if (position < 0 || position >= static_cast<int>(levels_.size())) {
        return;
    }
    chosen_ = position;
    storedFolder_ = levels_[static_cast<std::size_t>(position)].path;
    folder_ = context_.Folders().Find(storedFolder_);
    if (folder_.isEmpty()) {
        return; // a folder outside the program's: refused when saving
    }

    IniReader settings(context_.ini, SettingsFile());
    fields.maxX = settings.Read(kLevelSection, QStringLiteral("MaxX"));
    fields.maxY = settings.Read(kLevelSection, QStringLiteral("MaxY"));
    // A colour that cannot be read leaves the swatch as it was.
    if (const auto colour = ToInt32(settings.Read(kLevelSection, QStringLiteral("GBackColor")))) {
        fields.backColour = *colour;
    }
    fields.background = HasOwnBackground() ? kBackgroundFile : QString();
    fields.music = settings.Read(kLevelSection, QStringLiteral("MediaName"));
    // An effect number outside the list leaves the list's choice as it was.
    const auto particle = ToInt16(settings.Read(kLevelSection, QStringLiteral("Particle")));
    if (particle && *particle >= 0 && *particle < ParticleEffectNames().size()) {
        fields.particle = *particle;
    }
}

void LevelModifier::ChooseBackground()
{
    const FileFilter filter = PictureFilter();
    if (const auto file = context_.dialogs.OpenFile(filter.description, filter.patterns, QString())) {
        fields.background = *file;
    }
}

void LevelModifier::ChooseMusic()
{
    const FileFilter filter = MusicFilter();
    if (const auto file = context_.dialogs.OpenFile(filter.description, filter.patterns, QString())) {
        fields.music = *file;
        mediaTitle_ = QFileInfo(*file).fileName();
    }
}

void LevelModifier::ChooseColour()
{
    if (const auto colour = context_.dialogs.ChooseColour(fields.backColour)) {
        fields.backColour = *colour;
    }
}

std::optional<Refusal> LevelModifier::Validate()
{
    if (chosen_ < 0) {
        return Refusal{LevelModifier::tr("哈哈！你还没有选择要修改的关卡呢！"), ToolField::LevelList};
    }
    if (!DataFolders::StaysInside(storedFolder_)) {
        return Refusal{LevelModifier::tr("这个关卡的文件夹“%1”不在游戏的文件夹之内，不能修改。").arg(storedFolder_),
                       ToolField::LevelList};
    }
    // Where the changes would be written: the level's folder, and the
    // media folder for a new music file.
    const bool newMusic = !fields.music.isEmpty() && fields.music != ReadSetting(QStringLiteral("MediaName"));
    for (const QString& stored :
         {storedFolder_ + kLevelSettingsFile, newMusic ? kMediaFolder + mediaTitle_ : QString()}) {
        if (const QString link = context_.Folders().LinkLeadingOut(stored); !link.isEmpty()) {
            return Refusal{LinkLeadingOutMessage(link)};
        }
    }
    if (auto refusal = CheckBoardSize(fields.maxX, fields.maxY)) {
        return refusal;
    }
    if (!IsEven(*FieldNumber(fields.maxX)) && !IsEven(*FieldNumber(fields.maxY))) {
        return Refusal{OddBoardMessage(), ToolField::MaxY, true};
    }
    if (!fields.background.isEmpty() && fields.background != kBackgroundFile && !FileExists(fields.background)) {
        return Refusal{LevelModifier::tr("对不起，背景图不存在，请重新选择一个！"), ToolField::Background, true};
    }
    if (!fields.music.isEmpty() && fields.music != ReadSetting(QStringLiteral("MediaName"))
        && !FileExists(fields.music)) {
        return Refusal{LevelModifier::tr("对不起，背景音乐不存在，请重新选择一个！"), ToolField::Music, true};
    }
    return std::nullopt;
}

LevelModifier::Result LevelModifier::Save()
{
    if (const auto refusal = Validate()) {
        platform::Tell(context_.boxes, refusal->message);
        return {Outcome::Refused, *refusal};
    }
    if (const QString error = SaveChecked(); !error.isEmpty()) {
        platform::Fail(context_.boxes, error);
        return {Outcome::Failed, {}};
    }
    platform::Tell(context_.boxes, LevelModifier::tr("当前关卡修改成功！"));
    return {Outcome::Saved, {}};
}

QString LevelModifier::WriteSettings(const IniKeys& keys)
{
    const IniWriteResult result = context_.ini.WriteIniKeys(SettingsFile(), kLevelSection, keys);
    if (!result.ok) {
        return FileErrorText(result.error);
    }
    // Nothing was written; saying the level was changed would be wrong.
    if (!result.sectionFound) {
        return LevelModifier::tr("文件“%1”中没有 [%2] 一节，无法保存关卡设置。")
            .arg(QDir::toNativeSeparators(ResolveExisting(SettingsFile())), kLevelSection);
    }
    return {};
}

QString LevelModifier::SaveChecked()
{
    // A shipped level is changed in the player's own copy of its settings.
    if (QString error = MakePlayersCopy(); !error.isEmpty()) {
        return error;
    }
    // The keys go into setme.ini together at the end, in one replace; a
    // failure before leaves the settings as they were.
    IniKeys keys{
        {QStringLiteral("MaxX"), fields.maxX},
        {QStringLiteral("MaxY"), fields.maxY},
        {QStringLiteral("GBackColor"), QString::number(fields.backColour)},
    };

    // The background: none, a new picture, or the level's own left alone.
    const DataFolders& folders = context_.Folders();
    const QString ownPicture = folders.ForWriting(storedFolder_ + kBackgroundFile);
    if (fields.background.isEmpty()) {
        const QString shipped = NativePath(folders.Shipped(), storedFolder_ + kBackgroundFile);
        if (!folders.IsSingle() && FileExists(shipped)) {
            // The shipped picture stays; an empty one hides it.
            if (const FileError error = WriteEmptyFile(folders.Player(), ownPicture); error.Failed()) {
                return FileErrorText(error);
            }
        } else if (FileExists(ownPicture)) {
            if (const FileError error = DeleteFile(folders.Player(), ownPicture); error.Failed()) {
                return FileErrorText(error);
            }
        }
    } else if (fields.background != kBackgroundFile) {
        if (const FileError error = CopyFileReplacing({}, fields.background, folders.Player(), ownPicture);
            error.Failed()) {
            return FileErrorText(error);
        }
    }

    // The music: none, a new file saved under the name last chosen in the
    // dialog (copied into the shared media folder unless that name is
    // there already), or the stored name left alone.
    if (fields.music.isEmpty()) {
        keys.emplace_back(QStringLiteral("MediaName"), QString());
    } else if (fields.music != ReadSetting(QStringLiteral("MediaName"))) {
        // Without a title this names the media folder itself, which exists.
        if (!QFileInfo::exists(folders.Find(kMediaFolder + mediaTitle_))) {
            const QString shared = folders.ForWriting(kMediaFolder + mediaTitle_);
            if (shared.isEmpty()) {
                return LevelModifier::tr("无法保存音乐文件“%1”").arg(mediaTitle_);
            }
            if (const FileError error = MakeFolders(folders.Player(), QFileInfo(shared).absolutePath());
                error.Failed()) {
                return FileErrorText(error);
            }
            if (const FileError error = CopyFileReplacing({}, fields.music, folders.Player(), shared); error.Failed()) {
                return FileErrorText(error);
            }
        }
        keys.emplace_back(QStringLiteral("MediaName"), mediaTitle_);
    }

    keys.emplace_back(QStringLiteral("Particle"), QString::number(fields.particle));
    return WriteSettings(keys);
}

} // namespace daz
