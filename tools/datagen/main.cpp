// Generates the game's shipped program folder (data/) and the pictures
// stored with its windows (presentation/resources/). Run by hand through
// tools/generate-data; the output is committed, so building the game
// never needs this program.
//
//   datagen <source root> <preview folder>
#include "Audio.h"
#include "Files.h"
#include "Levels.h"
#include "Paint.h"
#include "WindowArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: datagen <source root> <preview folder>\n");
        return 2;
    }
    try {
        using namespace daz::datagen;
        RequireFonts();
        const QDir root(QString::fromLocal8Bit(argv[1]));
        const QDir data(root.filePath(QStringLiteral("data")));
        const QDir resources(root.filePath(QStringLiteral("presentation/resources")));
        const QDir previews(QString::fromLocal8Bit(argv[2]));
        if (!data.exists()) {
            throw std::runtime_error("no data folder under " + root.path().toStdString());
        }
        MakeDir(resources);
        MakeDir(previews);

        WriteProgramFolder(data, previews);
        WriteWindowArt(resources, previews);
        WriteAudio(data);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
