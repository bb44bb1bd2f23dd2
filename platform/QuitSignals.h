#pragma once

#include <QObject>

class QSocketNotifier;

namespace daz::platform {

// The signals that ask a program to end, turned into a Qt signal in the
// event loop: SIGTERM (a logout, a shutdown, `systemctl --user stop`),
// SIGHUP (its terminal gone) and SIGINT (Ctrl+C). The handler only writes
// the signal's number into a socket pair; the loop reads it, so the game
// can end the way its own 退出 does. A second signal of the same kind,
// while the first is being handled, ends the program at once as the
// signal would have.
//
// One instance at a time; it puts the signals' handling back as it was
// when it goes.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // Whether the handlers are in place (a socket pair could be made).
    bool Listening() const { return notifier_ != nullptr; }

signals:
    void quitRequested(int signal);

private:
    QSocketNotifier* notifier_ = nullptr;
};

// A file-size limit (RLIMIT_FSIZE) sends SIGXFSZ to the writer that meets
// it, which ends the program unless the signal is ignored: ignored, the
// write fails with "file too large" and the game says so. Called first
// thing in main.
void IgnoreFileSizeSignal();

} // namespace daz::platform
