#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace daz::datagen {

// A GIF89a writer for single still pictures. Qt reads GIF but cannot
// write it, and the game's tiles, masks and particles must be GIF files.
//
// Pixels with alpha below 128 become the one transparent palette entry;
// all others keep their colour (alpha dropped). At most 255 opaque colours
// are kept: pictures with more are reduced by a median cut refined with a
// few rounds of k-means, which keeps small pictures visually lossless.
// The output depends only on the pixels, so it is the same on every run.
QByteArray EncodeGif(const QImage& image);

// Encodes, writes to path and reads the file back through Qt to make sure
// the game will see exactly the reduced picture. Throws on any failure.
void WriteGif(const QImage& image, const QString& path);

// The picture as the GIF file will show it (same reduction as EncodeGif),
// for previews.
QImage GifLook(const QImage& image);

} // namespace daz::datagen
