// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark of the log's files (not a test; run it by hand):
//   bench_richtext [megabytes]    (default 10)
// Writes a log of result blocks as RTF, reads it back, reads the same text
// as plain text, and, when soffice is on the PATH, times LibreOffice
// converting the same RTF file to text. Prints the figures.

#include "support/SampleLog.h"
#include "richtext/LogFileFormat.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRounds = 3;

// The best of kRounds runs, in milliseconds.
double bestOf(const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

double megabytes(qsizetype bytes)
{
    return bytes / (1024.0 * 1024.0);
}

// Milliseconds LibreOffice takes to convert the file to text, or -1.
double libreOfficeToText(const QString &soffice, const QString &profile, const QString &file, const QString &outDir)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(soffice, {"--headless", "-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                            "--convert-to", "txt:Text (encoded):UTF8", "--outdir", outDir, file});
    if (!process.waitForFinished(30 * 60 * 1000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const double targetMegabytes = argc > 1 ? std::max(0.1, QByteArray(argv[1]).toDouble()) : 10.0;

    // The log: blocks until its RTF is as large as asked for.
    QTextDocument log;
    log.setDefaultFont(sample::logFont());
    int blocks = 0;
    QByteArray rtf;
    while (megabytes(rtf.size()) < targetMegabytes) {
        const int more = blocks == 0 ? 1000 : int(blocks * (targetMegabytes / megabytes(rtf.size()) - 1.0)) + 100;
        sample::appendBlocks(&log, blocks + 1, more);
        blocks += more;
        rtf = richtext::writeRtf(log);
    }
    std::printf("log: %d result blocks, %d lines, %lld characters; RTF %.1f MB\n", blocks, log.blockCount(),
                static_cast<long long>(log.characterCount()), megabytes(rtf.size()));

    const double writeMs = bestOf([&] { rtf = richtext::writeRtf(log); });
    std::printf("write RTF:            %8.1f ms (%.0f MB/s)\n", writeMs, megabytes(rtf.size()) / (writeMs / 1000));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("log.rtf"));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }

    int lines = 0;
    const double openMs = bestOf([&] {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return;
        QTextDocument document;
        document.setDefaultFont(sample::logFont());
        richtext::readLogFile(in.readAll(), &document);
        lines = document.blockCount();
    });
    std::printf("open RTF (file+read): %8.1f ms (%.0f MB/s), %d lines%s\n", openMs, megabytes(rtf.size()) / (openMs / 1000),
                lines, lines == log.blockCount() ? "" : "  <- LINE COUNT DIFFERS");

    const QByteArray plain = log.toPlainText().toUtf8();
    const double plainMs = bestOf([&] {
        QTextDocument document;
        richtext::readLogFile(plain, &document);
    });
    std::printf("open plain UTF-8 text:%8.1f ms (%.1f MB)\n", plainMs, megabytes(plain.size()));

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::printf("LibreOffice: soffice not found, no comparison\n");
        return 0;
    }
    const QString profile = dir.filePath(QStringLiteral("profile"));
    const QString tiny = dir.filePath(QStringLiteral("tiny.rtf"));
    {
        QFile out(tiny);
        if (out.open(QIODevice::WriteOnly))
            out.write("{\\rtf1 x\\par }");
    }
    // The first start creates LibreOffice's profile; that is not conversion.
    const double startMs = libreOfficeToText(soffice, profile, tiny, dir.path());
    const double officeMs = libreOfficeToText(soffice, profile, file, dir.path());
    if (officeMs < 0) {
        std::printf("LibreOffice: conversion failed\n");
        return 0;
    }
    std::printf("LibreOffice start and convert of a tiny file: %.0f ms\n", startMs);
    std::printf("LibreOffice --convert-to txt of the log:      %.0f ms\n", officeMs);
    std::printf("our open is %.0f times faster (target: 20; LibreOffice's own start-up included, %.0f ms of it "
                "measured on the tiny file)\n",
                officeMs / openMs, startMs);
    return 0;
}
