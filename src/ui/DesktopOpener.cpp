// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopOpener.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace ui {
namespace {

// An opener that still runs when the program ends is stopped quietly: its
// verdict has no window left to report to. (The viewer it started, if any,
// goes on.)
class OpenerProcess final : public QProcess
{
public:
    using QProcess::QProcess;
    ~OpenerProcess() override
    {
        blockSignals(true);
        if (state() != NotRunning) {
            kill();
            waitForFinished(1000);
        }
    }
};

} // namespace

void openWithDesktop(const QString &path, std::function<void(bool opened)> verdict, int waitMs)
{
    QObject *app = QCoreApplication::instance();
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        QTimer::singleShot(0, app, [verdict] { verdict(false); });
        return;
    }

    // Owned by the application: an opener that outlives the wait keeps
    // running while the program does, and the object goes when it ends.
    auto *process = new OpenerProcess(app);
    process->setProgram(opener);
    process->setArguments({path});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    // Given once, and always from the event loop: a start that fails at
    // once must not answer inside this call.
    auto settled = std::make_shared<bool>(false);
    auto settle = [app, verdict = std::move(verdict), settled](bool opened) {
        if (*settled)
            return;
        *settled = true;
        QTimer::singleShot(0, app, [verdict, opened] { verdict(opened); });
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, settle](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;  // a crash also ends it: finished() tells
                         settle(false);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, settle](int exitCode, QProcess::ExitStatus status) {
                         settle(status == QProcess::NormalExit && exitCode == 0);
                         process->deleteLater();
                     });
    QTimer::singleShot(waitMs, process, [settle] { settle(true); });
    process->start();
}

} // namespace ui
