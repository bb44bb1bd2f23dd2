#include "Formats.h"

#include <algorithm>

#include "Conversions.h"

namespace daz {
namespace {

std::int64_t StoredScore(const QString& text)
{
    if (const auto whole = ToInt64(text))
        return std::clamp<std::int64_t>(*whole, 0, kHighestScore);
    // A number beyond 64 bits lies beyond one bound or the other.
    if (const auto number = ToNumber(text))
        return *number < 0 ? 0 : kHighestScore;
    return 0;
}

} // namespace

std::vector<CatalogueEntry> ReadCatalogue(IniAccess& ini, const QString& iniFile)
{
    const int count = ToInt16(ini.ReadIniKey(iniFile, kCatalogueSection, QStringLiteral("Menu"))).value_or(0);
    std::vector<CatalogueEntry> levels;
    for (int i = 1; i <= count; ++i) {
        CatalogueEntry entry;
        entry.name = ini.ReadIniKey(iniFile, kCatalogueSection, QStringLiteral("MenuName%1").arg(i));
        entry.path = ini.ReadIniKey(iniFile, kCatalogueSection, QStringLiteral("MenuPath%1").arg(i));
        levels.push_back(std::move(entry));
    }
    return levels;
}

QStringList CatalogueLines(int n, const QString& name, const QString& maker)
{
    QString shownName = name;
    if (!maker.isEmpty())
        shownName += QStringLiteral("--") + maker + QStringLiteral("制作");
    return {QStringLiteral("MenuName%1=").arg(n) + shownName,
            QStringLiteral("MenuPath%1=\\gameg\\").arg(n) + name + u'\\'};
}

IniWriteResult AppendCatalogueLevel(IniAccess& ini, const QString& iniFile, int n,
                                    const QString& name, const QString& maker)
{
    return ini.AppendIniLines(iniFile, CatalogueLines(n, name, maker));
}

UserSettings ReadUserSettings(IniAccess& ini, const QString& iniFile)
{
    UserSettings settings;
    const QString media = ini.ReadIniKey(iniFile, kUserSection, QStringLiteral("MediaON"));
    if (const auto on = ToBoolean(media)) {
        settings.mediaOnText = media;
        settings.mediaOn = *on;
    }
    settings.soundOn = ToBoolean(ini.ReadIniKey(iniFile, kUserSection, QStringLiteral("SoundON"))).value_or(true);
    settings.userGK = ToInt16(ini.ReadIniKey(iniFile, kUserSection, QStringLiteral("UserGK"))).value_or(1);
    settings.userJF = StoredScore(ini.ReadIniKey(iniFile, kUserSection, QStringLiteral("UserJF")));
    return settings;
}

IniWriteResult WriteUserSettings(IniAccess& ini, const QString& iniFile, const UserSettings& settings)
{
    const QString media = settings.mediaOnText.isEmpty()
                              ? (settings.mediaOn ? QStringLiteral("True") : QStringLiteral("False"))
                              : settings.mediaOnText;
    const IniWriteResult results[] = {
        ini.WriteIniKey(iniFile, kUserSection, QStringLiteral("MediaON"), media),
        ini.WriteIniKey(iniFile, kUserSection, QStringLiteral("SoundON"), settings.soundOn),
        ini.WriteIniKey(iniFile, kUserSection, QStringLiteral("UserGK"), settings.userGK),
        ini.WriteIniKey(iniFile, kUserSection, QStringLiteral("UserJF"), settings.userJF),
    };
    for (const IniWriteResult& result : results) {
        if (!result.ok)
            return result;
    }
    return {};
}

LevelSettingsText ReadLevelSettings(IniAccess& ini, const QString& setmeFile)
{
    LevelSettingsText settings;
    settings.maxX = ini.ReadIniKey(setmeFile, kLevelSection, QStringLiteral("MaxX"));
    settings.maxY = ini.ReadIniKey(setmeFile, kLevelSection, QStringLiteral("MaxY"));
    settings.photoSum = ini.ReadIniKey(setmeFile, kLevelSection, QStringLiteral("PhotoSum"));
    settings.gBackColor = ini.ReadIniKey(setmeFile, kLevelSection, QStringLiteral("GBackColor"));
    settings.mediaName = ini.ReadIniKey(setmeFile, kLevelSection, QStringLiteral("MediaName"));
    settings.particle = ini.ReadIniKey(setmeFile, kLevelSection, QStringLiteral("Particle"));
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

IniWriteResult WriteLevelSettings(IniAccess& ini, const QString& setmeFile,
                                  const LevelSettingsText& settings)
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
    if (!maxX || !maxY || !photoSum || !colour || !particle)
        return std::nullopt;
    return LevelSettings{*maxX, *maxY, *photoSum, *colour, text.mediaName, *particle};
}

} // namespace daz
