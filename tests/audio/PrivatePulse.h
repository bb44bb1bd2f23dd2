#pragma once

// A PulseAudio server of the test's own, never the machine's: its own
// runtime folder and socket, one null sink, and a recorder of that sink's
// monitor. The test process is pointed at it through PULSE_SERVER, so the
// program's players under test play into the null sink.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/prctl.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <limits>
#include <vector>

namespace daz::testing {

// Runs the event loop for a while: the players and the recorder work in it.
inline void RunEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class PrivatePulse {
public:
    static constexpr int kRate = 48000;

    PrivatePulse()
    {
        const QString dir = dir_.path();
        socket_ = dir + QStringLiteral("/native");
        WriteFile(QStringLiteral("daemon.pa"), "load-module module-null-sink sink_name=check rate=48000 channels=2\n"
                                               "load-module module-native-protocol-unix auth-anonymous=1 socket="
                                                   + socket_.toUtf8()
                                                   + "\n"
                                                     "set-default-sink check\n");
        // Never start a server of the machine's when ours is away.
        WriteFile(QStringLiteral("client.conf"), "autospawn = no\n");
        WriteFile(QStringLiteral("cookie"), QByteArray(256, '\x5a'));
        qputenv("PULSE_SERVER", ("unix:" + socket_).toUtf8());
        qputenv("PULSE_CLIENTCONFIG", (dir + QStringLiteral("/client.conf")).toUtf8());
        qputenv("PULSE_COOKIE", (dir + QStringLiteral("/cookie")).toUtf8());
        qunsetenv("PULSE_SINK");
    }

    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;

    ~PrivatePulse()
    {
        StopRecording();
        Stop();
    }

    // The server and the recorder die with the test, also when a timeout
    // kills it.
    static void DieWithTest(QProcess& process)
    {
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }

    static bool Installed()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
    }

    // Starts the server and waits until its socket takes clients.
    bool Start()
    {
        QFile::remove(socket_);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString dir = dir_.path();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME", "PULSE_RUNTIME_PATH",
                                 "PULSE_STATE_PATH"}) {
            env.insert(QString::fromLatin1(name), dir);
        }
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env.remove(QStringLiteral("DISPLAY"));
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        DieWithTest(server_);
        // As root (CI) the server only warns; no system mode, no realtime
        // helpers, no shared memory, nothing kept between runs.
        server_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--high-priority=no"), QStringLiteral("--realtime=no"), QStringLiteral("--disable-shm=yes"),
             QStringLiteral("--log-level=error"), QStringLiteral("--log-target=stderr"), QStringLiteral("-F"),
             dir + QStringLiteral("/daemon.pa")});
        if (!server_.waitForStarted(5000)) {
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            if (server_.state() != QProcess::Running) {
                return false;
            }
            if (QFile::exists(socket_)) {
                QProcess info;
                DieWithTest(info);
                info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
                if (info.waitForFinished(3000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0) {
                    return true;
                }
                if (info.state() != QProcess::NotRunning) {
                    info.kill();
                    info.waitForFinished(1000);
                }
            }
            RunEventsFor(50);
        }
        return false;
    }

    // The server dies at once, as it does when it crashes.
    void Kill()
    {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished(3000);
        }
    }

    void Stop()
    {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(3000)) {
                Kill();
            }
        }
    }

    // Records the null sink's monitor, mono, 16 bits at kRate. The time of
    // every sample is taken on `clock`, the clock the test notes its plays on.
    bool StartRecording(const QElapsedTimer& clock)
    {
        clock_ = &clock;
        samples_.clear();
        startMs_ = std::numeric_limits<double>::infinity();
        pending_.clear();
        QObject::connect(&recorder_, &QProcess::readyReadStandardOutput, [this] { ReadRecorder(); });
        recorder_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        DieWithTest(recorder_);
        recorder_.start(QStringLiteral("parec"), {QStringLiteral("--device=check.monitor"), QStringLiteral("--raw"),
                                                  QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"),
                                                  QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10")});
        if (!recorder_.waitForStarted(5000)) {
            return false;
        }
        // The first samples tell that the stream runs.
        QElapsedTimer waited;
        waited.start();
        while (samples_.size() < kRate / 10 && waited.elapsed() < 5000) {
            RunEventsFor(20);
        }
        return samples_.size() >= kRate / 10;
    }

    void StopRecording()
    {
        if (recorder_.state() == QProcess::NotRunning) {
            return;
        }
        ReadRecorder();
        recorder_.disconnect();
        recorder_.terminate();
        if (!recorder_.waitForFinished(2000)) {
            recorder_.kill();
            recorder_.waitForFinished(1000);
        }
    }

    // The test clock's time of a sample, in ms. Every chunk arrives after
    // it was captured, so the earliest arrival against its sample count
    // gives when the recording started (give or take a few ms).
    double SampleTimeMs(std::size_t sample) const { return StartMs() + 1000.0 * static_cast<double>(sample) / kRate; }

    // RMS in dB of full scale over [fromMs, toMs) of the test clock:
    // the loudest block of blockMs, or the whole span when blockMs is 0.
    double LoudestDb(double fromMs, double toMs, double blockMs = 10) const
    {
        const auto [first, last] = Span(fromMs, toMs);
        if (last <= first) {
            return -std::numeric_limits<double>::infinity();
        }
        const std::size_t block = blockMs > 0
                                      ? std::max<std::size_t>(1, static_cast<std::size_t>(blockMs * kRate / 1000))
                                      : last - first;
        double loudest = 0;
        for (std::size_t start = first; start < last; start += block) {
            const std::size_t end = std::min(last, start + block);
            double sum = 0;
            for (std::size_t i = start; i < end; ++i) {
                const double v = samples_[i] / 32768.0;
                sum += v * v;
            }
            loudest = std::max(loudest, sum / static_cast<double>(end - start));
        }
        return loudest > 0 ? 10 * std::log10(loudest) : -std::numeric_limits<double>::infinity();
    }

    // The quietest block of blockMs in [fromMs, toMs), in dB.
    double QuietestDb(double fromMs, double toMs, double blockMs) const
    {
        double quietest = std::numeric_limits<double>::infinity();
        for (double at = fromMs; at + blockMs <= toMs; at += blockMs) {
            quietest = std::min(quietest, LoudestDb(at, at + blockMs, 0));
        }
        return quietest;
    }

    // When the sound first passes thresholdDb in [fromMs, toMs), in ms of
    // the test clock; negative when it never does.
    double OnsetMs(double fromMs, double toMs, double thresholdDb) const
    {
        for (double at = fromMs; at < toMs; at += 5) {
            if (LoudestDb(at, std::min(toMs, at + 5), 0) > thresholdDb) {
                return at;
            }
        }
        return -1;
    }

    double RecordedUntilMs() const { return SampleTimeMs(samples_.size()); }

private:
    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    void ReadRecorder()
    {
        const double now = static_cast<double>(clock_->nsecsElapsed()) / 1e6;
        pending_ += recorder_.readAllStandardOutput();
        const qsizetype whole = pending_.size() / 2 * 2;
        for (qsizetype i = 0; i < whole; i += 2) {
            samples_.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(pending_[i])
                                                         | (static_cast<std::uint8_t>(pending_[i + 1]) << 8)));
        }
        pending_.remove(0, whole);
        if (whole > 0) {
            startMs_ = std::min(startMs_, now - 1000.0 * static_cast<double>(samples_.size()) / kRate);
        }
    }

    double StartMs() const { return startMs_; }

    std::pair<std::size_t, std::size_t> Span(double fromMs, double toMs) const
    {
        const double start = StartMs();
        auto index = [&](double ms) {
            const double i = std::round((ms - start) * kRate / 1000.0);
            return static_cast<std::size_t>(std::clamp(i, 0.0, static_cast<double>(samples_.size())));
        };
        return {index(fromMs), index(toMs)};
    }

    QTemporaryDir dir_;
    QString socket_;
    QProcess server_;
    QProcess recorder_;
    const QElapsedTimer* clock_ = nullptr;
    std::vector<std::int16_t> samples_;
    double startMs_ = std::numeric_limits<double>::infinity();
    QByteArray pending_;
};

} // namespace daz::testing
