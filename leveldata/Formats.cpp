#include "Formats.h"

#include <algorithm>

#include "Conversions.h"

namespace daz {
namespace {

std::int64_t StoredScore(const QString& text)
{
    if (const auto whole = ToInt64(text)) {
        return std::clamp<std::int64_t>(*whole, 0, kHighestScore);
    }
    // A number beyond 64 bits lies beyond one bound or the other.
    if (const auto number = ToNumber(text)) {
        return *number < 0 ? 0 : kHighestScore;
    }
    return 0;
}

} // namespace

Catalogue ReadCatalogue(IniAccess& ini, const QString& iniFile)
{
    Catalogue catalogue;
    IniReader file(ini, iniFile);
    catalogue.menu = std::max<int>(0, ToInt16(file.Read(kCatalogueSection, QStringLiteral("Menu"))).value_or(0));
    const int count = std::min(catalogue.menu, kMostCatalogueLevels);
    for (int i = 1; i <= count; ++i) {
        auto name = file.LookUp(kCatalogueSection, QStringLiteral("MenuName%1").arg(i));
        auto path = file.LookUp(kCatalogueSection, QStringLiteral("MenuPath%1").arg(i));
        if (name && path) {
            catalogue.levels.push_back({i, std::move(*name), std::move(*path)});
        } else {
            catalogue.missing.push_back(i);
        }
    }
    return catalogue;
}

QStringList CatalogueLines(int n, const QString& name, const QString& maker)
{
    QString shownName = name;
    // "制作" is written into DAZGame.ini as part of the menu name: it is the
    // file's content in the format the old catalogues share, not a message,
    // and stays here whatever language the game speaks.
    if (!maker.isEmpty()) {
        shownName += QStringLiteral("--") + maker + QStringLiteral("制作");
    }
    return {QStringLiteral("MenuName%1=").arg(n) + shownName,
            QStringLiteral("MenuPath%1=\\gameg\\").arg(n) + name + u'\\'};
}

IniWriteResult AppendCatalogueLevel(IniAccess& ini, const QString& iniFile, int n, const QString& name,
                                    const QString& maker)
{
    return ini.ChangeIniFile(iniFile, CatalogueLines(n, name, maker), kCatalogueSection,
                             {{QStringLiteral("Menu"), QString::number(n)}});
}

UserSettings ReadUserSettings(IniAccess& ini, const QString& iniFile)
{
    UserSettings settings;
    IniReader file(ini, iniFile);
    const QString media = file.Read(kUserSection, QStringLiteral("MediaON"));
    if (const auto on = ToBoolean(media)) {
        settings.mediaOnText = media;
        settings.mediaOn = *on;
    }
    settings.soundOn = ToBoolean(file.Read(kUserSection, QStringLiteral("SoundON"))).value_or(true);
    settings.userGK = ToInt16(file.Read(kUserSection, QStringLiteral("UserGK"))).value_or(1);
    settings.userJF = StoredScore(file.Read(kUserSection, QStringLiteral("UserJF")));
    return settings;
}

IniWriteResult WriteUserSettings(IniAccess& ini, const QString& iniFile, const UserSettings& settings)
{
    const QString media = settings.mediaOnText.isEmpty()
                              ? (settings.mediaOn ? QStringLiteral("True") : QStringLiteral("False"))
                              : settings.mediaOnText;
    return ini.WriteIniKeys(
        iniFile, kUserSection,
        {{QStringLiteral("MediaON"), media},
         {QStringLiteral("SoundON"), settings.soundOn ? QStringLiteral("True") : QStringLiteral("False")},
         {QStringLiteral("UserGK"), QString::number(settings.userGK)},
         {QStringLiteral("UserJF"), QString::number(settings.userJF)}});
}

LevelSettingsText ReadLevelSettings(IniAccess& ini, const QString& setmeFile)
{
    IniReader file(ini, setmeFile);
    return ReadLevelSettings(file);
}

LevelSettingsText ReadLevelSettings(IniReader& file)
{
    LevelSettingsText settings;
    settings.maxX = file.Read(kLevelSection, QStringLiteral("MaxX"));
    settings.maxY = file.Read(kLevelSection, QStringLiteral("MaxY"));
    settings.photoSum = file.Read(kLevelSection, QStringLiteral("PhotoSum"));
    settings.gBackColor = file.Read(kLevelSection, QStringLiteral("GBackColor"));
    settings.mediaName = file.Read(kLevelSection, QStringLiteral("MediaName"));
    settings.particle = file.Read(kLevelSection, QStringLiteral("Particle"));
    return settings;
}

QStringList LevelSettingsLines(const LevelSettingsText& settings)
{
    return {
        u'[' + kLevelSection + u']',
        QStringLiteral("MaxX=") + settings.maxX,
        QStringLiteral("MaxY=") + settings.maxY,
        QStringLiteral("PhotoSum=") + settings.photoSum,
        QStringLiteral("GBackColor=") + settings.gBackColor,
        QStringLiteral("MediaName=") + settings.mediaName,
        QStringLiteral("Particle=") + settings.particle,
    };
}

IniWriteResult WriteLevelSettings(IniAccess& ini, const QString& setmeFile, const LevelSettingsText& settings)
{
    return ini.WriteNewIniFile(setmeFile, LevelSettingsLines(settings));
}

std::optional<LevelSettings> ParseLevelSettings(const LevelSettingsText& text)
{
    const auto maxX = ToInt16(text.maxX);
    const auto maxY = ToInt16(text.maxY);
    const auto photoSum = ToInt16(text.photoSum);
    const auto colour = ToInt32(text.gBackColor);
    const auto particle = ToInt16(text.particle);
    if (!maxX || !maxY || !photoSum || !colour || !particle) {
        return std::nullopt;
    }
    return LevelSettings{*maxX, *maxY, *photoSum, *colour, text.mediaName, *particle};
}

} // namespace daz
