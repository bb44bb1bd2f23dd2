#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace daz {

// The settings files come in two encodings: UTF-8, which this program
// writes, and GB18030 (a superset of GBK), in which the Chinese Windows
// releases of the game stored level names. A file is read as UTF-8 when it
// is valid UTF-8 and as GB18030 otherwise; it is written back in the
// encoding it was read in, so a file that was GBK stays GBK.
enum class TextEncoding { Utf8, Gb18030 };

struct StoredText {
    QByteArray byteOrderMark; // the UTF-8 mark the file began with, or empty
    QByteArray body;          // everything after it
    TextEncoding encoding = TextEncoding::Utf8;
};

StoredText SplitStoredText(const QByteArray& fileBytes);

QString DecodeText(QByteArrayView bytes, TextEncoding encoding);
QByteArray EncodeText(QStringView text, TextEncoding encoding);

} // namespace daz
