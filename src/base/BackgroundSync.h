// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts files on the disk from a thread of its own, so that the window never
// waits for a slow disk. What the program wrote is safe from a killed
// program at once (the system holds it), and from a power cut as soon as
// this thread has synced it, a moment later.

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace base {

class BackgroundSync
{
public:
    BackgroundSync() = default;
    // Syncs what was asked before it returns.
    ~BackgroundSync();
    BackgroundSync(const BackgroundSync &) = delete;
    BackgroundSync &operator=(const BackgroundSync &) = delete;

    // Syncs the file (syncToDisk) soon. A path already waiting is synced
    // once for all the requests.
    void request(const QString &path);
    // Returns once every file asked for is synced (or its sync failed).
    void waitUntilDone();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    QStringList m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;  // started by the first request
};

} // namespace base
