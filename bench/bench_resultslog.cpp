// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the results log, printed for the record:
//  - appending one 13-line result block to a shown log of 100 and of 100 000
//    lines (the two should stay within a factor of 2), with a QTextEdit over
//    the same document for comparison;
//  - opening a 10 MB log file, as plain text and as RTF.
// Run: QT_QPA_PLATFORM=offscreen ./bench_resultslog

#include "coil/LogLines.h"
#include "coil/window/ResultsLog.h"
#include "richtext/LogFileFormat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <numeric>
#include <cstdio>
#include <vector>

namespace {

const QStringList kBlock = {
    "",
    "         * * * * * Опыт № 12 * * * * *",
    "//",
    "{ ИCХОДНЫЕ ДАННЫЕ }",
    "Тип намотки : однослойная",
    "Длина намотки: 2 см",
    "Диаметр намотки: 1 см",
    "Число витков: 20",
    "Диаметр провода: 0,5 мм",
    "",
    "{ РЕЗУЛЬТАТ РАСЧЁТА }",
    "Индуктивность = 2,759 мкГн",
    "",
};

struct BlockTimes
{
    double median;
    double mean;
};

// Milliseconds for one block, with the event processing that lays out and
// paints the log after it: the median, steadier on a shared machine, and the
// mean, which shows work the editor puts off to later blocks.
template <typename Append>
BlockTimes msPerBlock(Append append, int blocks)
{
    std::vector<double> times;
    for (int b = 0; b < blocks; ++b) {
        QElapsedTimer timer;
        timer.start();
        for (const QString &line : kBlock)
            append(line);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / blocks;
    std::nth_element(times.begin(), times.begin() + blocks / 2, times.end());
    return {times[std::size_t(blocks / 2)], mean};
}

QString filler(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += kBlock.at(i % kBlock.size()) + QLatin1Char('\n');
    return text;
}

BlockTimes resultsLogAppend(int startLines)
{
    coil::ResultsLog log;
    log.resize(201, 209);
    log.setCapacity(coil::kOpenedLogCapacity);
    log.setPlainText(filler(startLines));
    log.show();
    QCoreApplication::processEvents();
    msPerBlock([&](const QString &line) { log.appendLine(line); }, 3);  // warm up
    return msPerBlock([&](const QString &line) { log.appendLine(line); }, 61);
}

BlockTimes textEditAppend(int startLines)
{
    QTextEdit edit;
    edit.resize(201, 209);
    edit.setPlainText(filler(startLines));
    edit.show();
    QCoreApplication::processEvents();
    return msPerBlock([&](const QString &line) {
        coil::appendLogLine(edit.document(), line, coil::kOpenedLogCapacity);
    }, 21);
}

double openMs(const QString &path)
{
    coil::ResultsLog log;
    log.resize(201, 209);
    log.show();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    log.LoadLogFile(path);
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *what, double value, const char *unit)
{
    std::printf("%-58s %10.3f %s\n", what, value, unit);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    const BlockTimes small = resultsLogAppend(100);
    const BlockTimes large = resultsLogAppend(100000);
    report("RichEdit1: append a 13-line block, 100 lines, median", small.median, "ms");
    report("RichEdit1: append a 13-line block, 100 lines, mean", small.mean, "ms");
    report("RichEdit1: append a 13-line block, 100 000 lines, median", large.median, "ms");
    report("RichEdit1: append a 13-line block, 100 000 lines, mean", large.mean, "ms");
    report("RichEdit1: ratio 100 000 / 100 lines, medians", large.median / small.median, "");
    const BlockTimes editSmall = textEditAppend(100);
    const BlockTimes editLarge = textEditAppend(100000);
    report("QTextEdit: append a 13-line block, 100 lines, mean", editSmall.mean, "ms");
    report("QTextEdit: append a 13-line block, 100 000 lines, mean", editLarge.mean, "ms");

    // Logs of 10 MB on disk, made of result blocks: as UTF-8 text and as the
    // RTF the program writes (Cyrillic letters take four bytes there).
    QTemporaryDir dir;
    const QString blocks = filler(1300);
    QString text;
    while (text.toUtf8().size() < 10 * 1000 * 1000)
        text += blocks;
    const QString txtPath = dir.filePath("big.txt");
    const QString rtfPath = dir.filePath("big.rtf");
    QFile txt(txtPath);
    if (!txt.open(QIODevice::WriteOnly))
        return 1;
    txt.write(text.toUtf8());
    txt.close();
    QTextDocument document;
    do {
        document.setPlainText(text);
        text.chop(text.size() / 10);
    } while (richtext::writeRtf(document).size() > 10 * 1000 * 1000);
    QFile rtf(rtfPath);
    if (!rtf.open(QIODevice::WriteOnly))
        return 1;
    rtf.write(richtext::writeRtf(document));
    rtf.close();
    std::printf("10 MB text log: %.1f MB; 10 MB RTF log: %.1f MB, %d lines\n",
                QFileInfo(txtPath).size() / 1e6, QFileInfo(rtfPath).size() / 1e6, document.blockCount());
    QElapsedTimer reference;
    reference.start();
    QTextDocument bare;
    bare.setPlainText(text);
    report("reference: QTextDocument::setPlainText of the RTF log's text",
           reference.nsecsElapsed() / 1e6, "ms");
    report("RichEdit1: open the 10 MB log as plain text", openMs(txtPath), "ms");
    report("RichEdit1: open the 10 MB log as RTF", openMs(rtfPath), "ms");
    return 0;
}
