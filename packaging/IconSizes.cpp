// Writes the game's icon at the sizes a desktop looks for, in the hicolor
// theme's layout: <output>/<N>x<N>/apps/<name>.png. Each size is scaled
// smoothly from the smallest picture given that is at least as large.
//
//   daz-icon-sizes <output folder> <name> <size,size,...> <picture>...
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <map>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: daz-icon-sizes <output folder> <name> <size,size,...> <picture>...\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    std::map<int, QImage> pictures; // by width
    for (int i = 4; i < argc; ++i) {
        QImage picture(QString::fromLocal8Bit(argv[i]));
        if (picture.isNull() || picture.width() != picture.height()) {
            std::fprintf(stderr, "daz-icon-sizes: %s is not a square picture\n", argv[i]);
            return 1;
        }
        pictures[picture.width()] = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    for (const QString& field : QString::fromLocal8Bit(argv[3]).split(QLatin1Char(','))) {
        bool ok = false;
        const int size = field.toInt(&ok);
        const auto source = pictures.lower_bound(size);
        if (!ok || size <= 0 || source == pictures.end()) {
            std::fprintf(stderr, "daz-icon-sizes: no picture for size %s\n", qPrintable(field));
            return 1;
        }
        const QImage icon = source->first == size
                                ? source->second
                                : source->second.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = output.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!output.mkpath(folder) || !icon.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            std::fprintf(stderr, "daz-icon-sizes: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
