#include "audio_wav.h"

#include <QDataStream>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace daz::datagen::audio {

void WriteWav(const QString& path, const Samples& samples, int sampleRate)
{
    constexpr quint16 channels = 1;
    constexpr quint16 bitsPerSample = 16;
    constexpr quint16 blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<quint32>(samples.size() * blockAlign);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    }

    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16) << quint16(1) << channels << quint32(sampleRate) << quint32(sampleRate * blockAlign)
        << blockAlign << bitsPerSample;
    out.writeRawData("data", 4);
    out << dataBytes;
    for (float x : samples) {
        const double clamped = std::clamp(static_cast<double>(x), -1.0, 1.0);
        out << static_cast<qint16>(std::lround(clamped * 32767.0));
    }

    if (out.status() != QDataStream::Ok || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    }
}

} // namespace daz::datagen::audio
