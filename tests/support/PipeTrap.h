#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <QDir>
#include <QFile>
#include <QString>

namespace daz::testing {

// A named pipe that tells whether anything opened it. Opening a pipe to
// read waits until a writer comes; a helper knocks from the writing end all
// the time, which only gets in while a reader waits. Each knock counts and
// hangs up at once, so the reader sees an empty file instead of waiting for
// ever and a test that opens the pipe fails instead of hanging.
class PipeTrap {
public:
    explicit PipeTrap(const QString& path) : path_(QFile::encodeName(path))
    {
        QDir().mkpath(path.section(u'/', 0, -2));
        made_ = mkfifo(path_.constData(), 0644) == 0;
        if (made_) {
            knocker_ = std::thread([this] {
                while (!stop_) {
                    const int fd = open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                    if (fd >= 0) {
                        opened_ = true;
                        close(fd);
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
            });
        }
    }
    ~PipeTrap()
    {
        stop_ = true;
        if (knocker_.joinable()) {
            knocker_.join();
        }
    }
    PipeTrap(const PipeTrap&) = delete;
    PipeTrap& operator=(const PipeTrap&) = delete;

    bool Made() const { return made_; }
    bool Opened() const { return opened_; }

private:
    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread knocker_;
};

} // namespace daz::testing
