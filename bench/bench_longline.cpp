// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the results log with one very long line, printed for the record:
// opening a text file of one line of 100 KB, 400 KB and 2 MB (words), one of
// 400 KB of one letter, and one of 400 KB of opening braces (too deeply
// nested for RTF, so read as text), and
// appending a 13-line result block after each, against an empty log; then
// what a log that held 400 KB of braces costs afterwards: opening a small
// RTF file, "Очистить", a font change and printing to a PDF file, each against
// the same on a fresh log, and printing with the line still there.
// Run: QT_QPA_PLATFORM=offscreen ./bench_longline

#include "coil/LogLines.h"
#include "coil/window/LogPrinting.h"
#include "coil/window/ResultsLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

double appendBlockMs(coil::ResultsLog &log)
{
    QElapsedTimer timer;
    timer.start();
    for (int line = 0; line < 13; ++line)
        log.appendLine(QStringLiteral("Индуктивность = 2,759 мкГн"));
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// Milliseconds to open the file and show it, then for two appended blocks.
void measure(const char *what, const QString &path)
{
    coil::ResultsLog log;
    log.resize(400, 300);
    log.show();
    QCoreApplication::processEvents();
    double openMs = 0;
    if (!path.isEmpty()) {
        QElapsedTimer timer;
        timer.start();
        log.LoadLogFile(path);
        QCoreApplication::processEvents();
        openMs = timer.nsecsElapsed() / 1e6;
    }
    const double first = appendBlockMs(log);
    const double second = appendBlockMs(log);
    std::printf("%-28s open %9.1f ms   append a block %7.1f ms, again %7.1f ms\n",
                what, openMs, first, second);
    std::fflush(stdout);
}

QString oneLineFile(const QTemporaryDir &dir, const char *name, qsizetype size, const QByteArray &unit)
{
    QByteArray data;
    data.reserve(size);
    while (data.size() < size)
        data += unit;
    data.truncate(size);
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        std::fprintf(stderr, "cannot write %s\n", name);
    return path;
}

double elapsedMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// Milliseconds of one step on a fresh log, and on a log that held the long
// file before (opened, then the step).
void measureAfter(const char *what, const QString &longFile,
                  const std::function<void(coil::ResultsLog &)> &step)
{
    double ms[2] = {0, 0};
    for (int held = 0; held < 2; ++held) {
        coil::ResultsLog log;
        log.resize(400, 300);
        log.show();
        if (held)
            log.LoadLogFile(longFile);
        QCoreApplication::processEvents();
        ms[held] = elapsedMs([&] { step(log); });
    }
    std::printf("%-28s fresh log %9.1f ms   after 400 KB of braces %9.1f ms\n", what, ms[0], ms[1]);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QByteArray words("Индуктивность катушки 2,759 мкГн; ");
    measure("empty log", QString());
    measure("one line of 100 KB", oneLineFile(dir, "100k.txt", 100 * 1024, words));
    measure("one line of 400 KB", oneLineFile(dir, "400k.txt", 400 * 1024, words));
    measure("one line of 2 MB", oneLineFile(dir, "2m.txt", 2 * 1024 * 1024, words));
    measure("400 KB of one letter", oneLineFile(dir, "letters.txt", 400 * 1024, "x"));
    const QString braces = oneLineFile(dir, "braces.rtf", 400 * 1024, "{");
    measure("400 KB of braces", braces);

    const QString small = oneLineFile(dir, "small.rtf", 20, "{\\rtf1 Opyt nomer 1}");
    measureAfter("open a 20-byte RTF file", braces, [&](coil::ResultsLog &log) { log.LoadLogFile(small); });
    measureAfter("Очистить", braces, [](coil::ResultsLog &log) { log.clearLog(); });
    measureAfter("clear, then a font change", braces, [](coil::ResultsLog &log) {
        log.clearLog();
        log.setLogFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    });
    const QString pdf = dir.filePath(QStringLiteral("log.pdf"));
    measureAfter("clear, then print to PDF", braces, [&](coil::ResultsLog &log) {
        log.clearLog();
        log.appendLine(QStringLiteral("Индуктивность = 2,759 мкГн"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        coil::printLogDocument(*log.document(), &printer, log.logTextColor());
    });
    measureAfter("print to PDF, line kept", braces, [&](coil::ResultsLog &log) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        coil::printLogDocument(*log.document(), &printer, log.logTextColor());
    });
    return 0;
}
