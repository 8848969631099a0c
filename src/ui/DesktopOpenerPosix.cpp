// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: xdg-mime asked first, then xdg-open.
#include "ui/DesktopOpener.h"

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>
#include <optional>

namespace ui {
namespace {

using Verdict = std::function<void(bool opened)>;

// A helper that still runs when the program ends is stopped quietly: its
// verdict has no window left to report to. (A viewer the opener started, if
// any, goes on.)
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

// Owned by the application: one that outlives the wait keeps running while
// the program does, and the object goes when it ends.
OpenerProcess *newHelper(const QString &program, const QStringList &arguments)
{
    auto *process = new OpenerProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    return process;
}

// Calls verdict once, and always from the event loop: a start that fails at
// once must not answer inside openWithDesktop().
std::function<void(bool)> once(Verdict verdict)
{
    auto settled = std::make_shared<bool>(false);
    return [verdict = std::move(verdict), settled](bool opened) {
        if (*settled)
            return;
        *settled = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [verdict, opened] { verdict(opened); });
    };
}

void runOpener(const QString &path, Verdict verdict, int waitMs)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    auto settle = once(std::move(verdict));
    if (opener.isEmpty()) {
        settle(false);
        return;
    }
    OpenerProcess *process = newHelper(opener, {path});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
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

} // namespace

QString chmViewerAdvice()
{
    return QStringLiteral("Установите её, например kchmviewer или xchm.");
}

void openWithDesktop(const QString &path, Verdict verdict, int waitMs)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (query.isEmpty() || type.isDefault()) {
        runOpener(path, std::move(verdict), waitMs);
        return;
    }

    // The answer decides once: no program registered fails at once; a
    // program, a failed query or none within the wait lets xdg-open try.
    auto decided = std::make_shared<bool>(false);
    auto decide = [path, verdict, waitMs, decided](std::optional<bool> registered) {
        if (*decided)
            return;
        *decided = true;
        if (registered && !*registered)
            once(verdict)(false);
        else
            runOpener(path, verdict, waitMs);
    };
    OpenerProcess *process = newHelper(query, {QStringLiteral("query"), QStringLiteral("default"), type.name()});
    process->setReadChannel(QProcess::StandardOutput);
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, decide](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         decide(std::nullopt);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, decide](int exitCode, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && exitCode == 0)
                             decide(!process->readAllStandardOutput().trimmed().isEmpty());
                         else
                             decide(std::nullopt);
                         process->deleteLater();
                     });
    QTimer::singleShot(waitMs, process, [process, decide] {
        decide(std::nullopt);
        process->deleteLater();
    });
    process->start();
}

} // namespace ui
