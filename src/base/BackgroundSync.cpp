// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/BackgroundSync.h"

#include "base/FileReplacement.h"

#include <QtGlobal>

namespace base {

BackgroundSync::~BackgroundSync()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundSync::request(const QString &path)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_waiting.contains(path))
            m_waiting << path;
        if (!m_thread.joinable())
            m_thread = std::thread(&BackgroundSync::run, this);
    }
    m_changed.notify_all();
}

void BackgroundSync::waitUntilDone()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.isEmpty() && !m_busy; });
}

void BackgroundSync::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_waiting.isEmpty() || m_stopping; });
        // What is still waiting is synced before the end.
        if (m_waiting.isEmpty())
            return;
        const QString path = m_waiting.takeFirst();
        m_busy = true;
        lock.unlock();
        const ReplaceResult result = syncToDisk(path);
        if (!result.ok())
            qWarning("Could not sync %s to the disk: %s", qUtf8Printable(path), qUtf8Printable(result.reason));
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

} // namespace base
