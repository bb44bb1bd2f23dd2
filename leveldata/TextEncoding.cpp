#include "TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace daz {
namespace {

// Qt's own converters do not include GB18030; Qt finds it through ICU.
constexpr char kGb18030[] = "GB18030";
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // decode() only describes the work; converting it to text does it.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

StoredText SplitStoredText(const QByteArray& fileBytes)
{
    StoredText text;
    if (fileBytes.startsWith(kUtf8Mark)) {
        text.byteOrderMark = fileBytes.left(3);
        text.body = fileBytes.mid(3);
        text.encoding = TextEncoding::Utf8;
        return text;
    }
    text.body = fileBytes;
    text.encoding = IsValidUtf8(fileBytes) ? TextEncoding::Utf8 : TextEncoding::Gb18030;
    return text;
}

QString DecodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        return QString::fromUtf8(bytes);
    }
    QStringDecoder decoder(kGb18030, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray EncodeText(QStringView text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        return text.toUtf8();
    }
    QStringEncoder encoder(kGb18030, QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

} // namespace daz
