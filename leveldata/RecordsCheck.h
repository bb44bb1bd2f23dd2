#pragma once

#include <atomic>
#include <thread>

#include <QString>

namespace daz::records {

// The full check of a results store (every index against its table), too
// slow for the start on a large store: it runs on a thread of its own,
// over a read-only connection of its own, after the store is open.
class FullCheck {
public:
    enum Outcome { Running, Sound, Damaged, Unknown };

    FullCheck() = default;
    FullCheck(const FullCheck&) = delete;
    FullCheck& operator=(const FullCheck&) = delete;
    ~FullCheck() { Wait(); }

    void Start(const QString& file);
    // What it found; Running while it runs, Unknown when it did not run
    // or could not look (a lock, say). Waits for the end when wait is set.
    Outcome Found(bool wait);
    void Wait();
    // Done with what it found.
    void Forget()
    {
        Wait();
        outcome_ = Unknown;
    }

private:
    std::thread thread_;
    std::atomic<int> outcome_{Unknown};
};

} // namespace daz::records
