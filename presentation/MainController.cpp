#include "MainController.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "leveldata/ConfinedFiles.h"
#include "leveldata/ErrorTexts.h"
#include "leveldata/Formats.h"
#include "leveldata/ProgramPaths.h"
#include "leveldata/TextEncoding.h"

namespace daz {

const QString MainController::kHelpFile = QStringLiteral("\\dazRedme.txt");

MainController::MainController(DataFolders folders, ProgramState& state, MainServices services)
    : folders_(std::move(folders)),
      state_(state),
      services_(services),
      ini_(folders_, services.boxes),
      audio_(state, folders_, services.effects, services.music),
      game_(state, audio_, services.timers, services.random),
      particles_(services.random, services.timers, Game::kBoardWidth, Game::kBoardHeight),
      toolbar_(game_, [this] { Restart(); })
{
}

MainController::~MainController() = default;

QString MainController::WindowCaption()
{
    return QStringLiteral("霁岚连连看2006.10.4");
}

QString MainController::IniFile() const
{
    return folders_.Find(kGameIniFile);
}

void MainController::Tell(const QString& text)
{
    services_.boxes.Show({text, QStringLiteral("提示"), platform::MessageIcon::Information,
                          platform::MessageButtons::Ok, platform::MessageAnswer::Ok});
}

void MainController::ReadCatalogue(bool tell)
{
    const QString file = IniFile();
    if (!FileExists(file)) {
        if (tell)
            Tell(QStringLiteral("找不到游戏设置文件 DAZGame.ini，没有可玩的关卡。"));
        return;
    }
    // Levels keep their numbers; a level whose entry is missing is not
    // listed, and all that is missing is told in one message.
    const Catalogue catalogue = daz::ReadCatalogue(ini_, file);
    if (tell && catalogue.menu < 1) {
        Tell(QStringLiteral("关卡目录是空的：DAZGame.ini 的 [GameMenu] 中没有任何关卡。"));
    } else if (const QString problems = catalogue.Problems(); tell && !problems.isEmpty()) {
        Tell(problems);
    }
    state_.GKCount = static_cast<std::int16_t>(catalogue.levels.empty() ? 0 : catalogue.levels.back().number);
    state_.GKName.assign(static_cast<std::size_t>(state_.GKCount) + 1, QString());
    state_.GKPath.assign(static_cast<std::size_t>(state_.GKCount) + 1, QString());
    listed_.assign(static_cast<std::size_t>(state_.GKCount) + 1, false);
    for (const auto& entry : catalogue.levels) {
        const auto n = static_cast<std::size_t>(entry.number);
        state_.GKName[n] = entry.name;
        state_.GKPath[n] = entry.path;
        listed_[n] = true;
    }
    emit levelMenuChanged();
}

bool MainController::Listed(int level) const
{
    return level >= 1 && static_cast<std::size_t>(level) < listed_.size() && listed_[static_cast<std::size_t>(level)];
}

void MainController::Load()
{
    ReadCatalogue(true);

    if (FileExists(IniFile())) {
        const UserSettings settings = ReadUserSettings(ini_, IniFile());
        state_.MediaON = MusicSwitch{settings.mediaOn, settings.mediaOnText};
        state_.SoundON = settings.soundOn;
        state_.UserGK = settings.userGK;
        state_.UserJF = settings.userJF;
    }
    // A level number the catalogue does not list starts the first level.
    // A catalogue that lists nothing leaves the level reached as it was:
    // it is kept for when the catalogue is mended.
    if (state_.GKCount > 0 && !Listed(state_.UserGK)) {
        state_.UserGK = 1;
        while (state_.UserGK < state_.GKCount && !Listed(state_.UserGK)) {
            ++state_.UserGK;
        }
    }
    emit audio_.switchesChanged();

    userName_ = services_.desktop.LoginName().trimmed().toUpper();
    emit userChanged();
    game_.ShowScore();
    emit modeChanged();
    LoadLevel();
}

void MainController::Unload()
{
    audio_.CloseMusic();
    if (!saving_)
        return;
    const UserSettings settings{state_.MediaON.storedText, state_.MediaON.on, state_.SoundON, state_.UserGK,
                                state_.UserJF};
    const QString file = folders_.ForWriting(kGameIniFile);
    if (file.isEmpty()) {
        // Told at start: the settings file's place holds a link that leads out.
        return;
    }
    const IniWriteResult result = WriteUserSettings(ini_, file, settings);
    if (!result.ok) {
        services_.boxes.Show({QStringLiteral("设置未能保存：%1").arg(result.error), QStringLiteral("错误"),
                              platform::MessageIcon::Critical, platform::MessageButtons::Ok,
                              platform::MessageAnswer::Ok});
    }
}

void MainController::LoadLevel()
{
    const int number = state_.UserGK;
    const bool known = Listed(number);
    const QString name = known ? state_.GKName[static_cast<std::size_t>(number)] : QString();
    game_.BeginLevel(QString::fromUtf8(RulesFor(state_.GameMode).caption) + QStringLiteral("======>当前游戏关卡：")
                     + QString::number(number) + QStringLiteral("．") + name);
    audio_.CloseMusic();
    particles_.HideAll();

    if (!known) {
        game_.ShowUnplayable();
        return; // the catalogue's own problem was reported at start-up
    }
    LevelReading reading = ReadLevel(ini_, folders_, state_.GKPath[static_cast<std::size_t>(number)]);
    if (!reading.level) {
        game_.ShowUnplayable();
        Tell(QStringLiteral("第%1关「%2」无法开始：%3。\n请从菜单中选择其他关卡。").arg(number).arg(name, reading.problem));
        return;
    }
    QImage sprite = reading.level->pictures.particle;
    game_.StartLevel(std::move(*reading.level));
    if (state_.Particle != 0 && !sprite.isNull()) {
        particles_.Start(state_.Particle, std::move(sprite));
    }
    audio_.StartLevelMusic();
}

void MainController::Restart()
{
    const auto answer = services_.boxes.Show({QStringLiteral("你真的要重新开始吗？"), QStringLiteral("友情提示"),
                                              platform::MessageIcon::Question, platform::MessageButtons::YesNo,
                                              platform::MessageAnswer::No});
    if (answer == platform::MessageAnswer::Yes) {
        LoadLevel();
    }
}

void MainController::ChooseMode(int mode)
{
    if (mode < 1 || mode > kModeCount) {
        return;
    }
    state_.GameMode = static_cast<std::int16_t>(mode);
    emit modeChanged();
    LoadLevel();
}

void MainController::ChooseLevel(int level)
{
    if (!Listed(level)) {
        return;
    }
    state_.UserGK = static_cast<std::int16_t>(level);
    LoadLevel();
}

void MainController::RandomLevel()
{
    // Drawn among the levels listed: all 1 … GKCount unless entries are missing.
    std::vector<int> listed;
    for (int level = 1; level <= state_.GKCount; ++level) {
        if (Listed(level)) {
            listed.push_back(level);
        }
    }
    if (listed.empty()) {
        return;
    }
    services_.random.ReseedFromClock();
    state_.UserGK = static_cast<std::int16_t>(
        listed[static_cast<std::size_t>(services_.random.Draw(static_cast<int>(listed.size())) - 1)]);
    LoadLevel();
}

void MainController::ClickOverlay()
{
    if (game_.OverlayClick() == OverlayAction::NextLevel) {
        // After the last level play starts again at the first; levels
        // whose entries are missing are passed over.
        const int from = state_.UserGK;
        do {
            state_.UserGK = state_.UserGK + 1 > state_.GKCount ? 1 : static_cast<std::int16_t>(state_.UserGK + 1);
        } while (!Listed(state_.UserGK) && state_.UserGK != from);
        LoadLevel();
    }
}

void MainController::PauseKey()
{
    const Overlay& overlay = game_.GetOverlay();
    if (overlay.visible && overlay.picture == OverlayPicture::Paused) {
        ClickOverlay();
    } else {
        toolbar_.Click(Toolbar::Pause);
    }
}

void MainController::ClickKey(MouseButton button)
{
    if (game_.GetOverlay().visible) {
        if (button == MouseButton::Left) {
            ClickOverlay();
        }
    } else {
        game_.PressCursor(button);
    }
}

void MainController::OpenMenu(Toolbar::MenuButton button)
{
    game_.ShowOverlay();
    toolbar_.RestMenuButton(button);
}

void MainController::OpenHelp()
{
    const QString help = folders_.Find(kHelpFile);
    if (!FileExists(help)) {
        services_.boxes.Show({QStringLiteral("帮助文件丢失！"), QStringLiteral("警告"), platform::MessageIcon::Exclamation,
                              platform::MessageButtons::Ok, platform::MessageAnswer::Ok});
        return;
    }
    QString reason;
    const std::optional<QByteArray> bytes = ReadFileBelow(folders_.RootOf(help), help, kTextFileBudget, reason);
    if (!bytes) {
        services_.boxes.Show({QStringLiteral("帮助文件“%1”无法读取：%2").arg(QDir::toNativeSeparators(help), reason),
                              QStringLiteral("警告"), platform::MessageIcon::Exclamation, platform::MessageButtons::Ok,
                              platform::MessageAnswer::Ok});
        return;
    }
    // Written on Chinese Windows in GBK, or in UTF-8.
    const StoredText stored = SplitStoredText(*bytes);
    QString text = DecodeText(stored.body, stored.encoding);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    emit helpOpened(text);
}

void MainController::LevelAdded()
{
    // What was wrong with the catalogue was told at start-up.
    ReadCatalogue(false);
}

QString MainController::Readme() const
{
    // The documents sit beside the shipped folder, in <prefix>/share/doc/.
    const QString readme = QDir::cleanPath(folders_.Shipped() + QStringLiteral("/../doc/jilan-llk/README.md"));
    return QFileInfo(readme).isFile() ? readme : QString();
}

void MainController::SendFeedback()
{
    QUrl mail(QStringLiteral("mailto:"));
    mail.setQuery(QStringLiteral("subject=") + QStringLiteral("霁岚连连看 %1 建议反馈").arg(QCoreApplication::applicationVersion()));
    if (!services_.desktop.Open(mail))
        Tell(QStringLiteral("没有找到可以写邮件的程序。"));
}

void MainController::OpenDownloads()
{
    const QString readme = Readme();
    if (readme.isEmpty() || !services_.desktop.Open(QUrl::fromLocalFile(readme)))
        Tell(QStringLiteral("游戏和关卡包从哪里来、关卡包怎样玩，写在说明文件 README.md 里"
                            "（安装后在 share/doc/jilan-llk/ 文件夹里）。"));
}

void MainController::ShowAbout()
{
    const QString readme = Readme();
    const QString readmeLine = !readme.isEmpty()
                                   ? QStringLiteral("说明：") + QDir::toNativeSeparators(readme)
                                   : QStringLiteral("说明：README.md（安装后在 share/doc/jilan-llk/ 文件夹里）");
    const QString text = QStringLiteral("霁岚连连看 %1\n"
                                        "以 MIT 许可证发布。\n"
                                        "帮助：主菜单的“主题帮助”（F1），即 %2\n"
                                        "%3")
                             .arg(QCoreApplication::applicationVersion(),
                                  QDir::toNativeSeparators(folders_.Find(kHelpFile)), readmeLine);
    services_.boxes.Show({text, QStringLiteral("关于") + WindowCaption(), platform::MessageIcon::Information,
                          platform::MessageButtons::Ok, platform::MessageAnswer::Ok});
}

void MainController::WindowMinimised()
{
    game_.PauseQuietly();
}

QStringList MainController::LevelMenu() const
{
    QStringList items;
    for (int i = 1; i <= state_.GKCount; ++i) {
        items.append(Listed(i) ? QString::number(i) + QStringLiteral("．") + state_.GKName[static_cast<std::size_t>(i)]
                               : QString());
    }
    return items;
}

} // namespace daz
