#include "audio_wav.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <stdexcept>

namespace daz::datagen::audio {
namespace {

// The bytes of a wave file written from the samples.
QByteArray Written(const Samples& samples, int sampleRate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    WriteWav(path, samples, sampleRate);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

quint32 U32(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 U16(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

qint16 S16(const QByteArray& b, int at)
{
    return qFromLittleEndian<qint16>(b.constData() + at);
}

// Qt's sound effect player reads only plain 16-bit PCM wave files, so
// the header must say exactly that and agree with the data.
TEST(WavWriter, WritesAPlainSixteenBitMonoPcmHeader)
{
    const QByteArray b = Written(Samples(10, 0.25f), 22050);
    ASSERT_EQ(b.size(), 44 + 20);
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(U32(b, 4), 36u + 20u);
    EXPECT_EQ(b.mid(8, 4), "WAVE");
    EXPECT_EQ(b.mid(12, 4), "fmt ");
    EXPECT_EQ(U32(b, 16), 16u);    // size of the format chunk
    EXPECT_EQ(U16(b, 20), 1u);     // PCM
    EXPECT_EQ(U16(b, 22), 1u);     // mono
    EXPECT_EQ(U32(b, 24), 22050u); // sample rate
    EXPECT_EQ(U32(b, 28), 44100u); // bytes per second
    EXPECT_EQ(U16(b, 32), 2u);     // bytes per sample frame
    EXPECT_EQ(U16(b, 34), 16u);    // bits per sample
    EXPECT_EQ(b.mid(36, 4), "data");
    EXPECT_EQ(U32(b, 40), 20u);
}

TEST(WavWriter, RoundsSamplesAndClampsThoseOutOfRange)
{
    const QByteArray b = Written({0.0f, 1.0f, -1.0f, 0.5f, -0.25f, 1.7f, -3.0f}, 44100);
    ASSERT_EQ(b.size(), 44 + 14);
    const qint16 expected[] = {0, 32767, -32767, 16384, -8192, 32767, -32767};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(S16(b, 44 + 2 * i), expected[i]) << "sample " << i;
    }
}

TEST(WavWriter, ReportsAFileItCannotWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/tone.wav");
    EXPECT_THROW(WriteWav(path, Samples(4, 0.0f), 22050), std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace daz::datagen::audio
