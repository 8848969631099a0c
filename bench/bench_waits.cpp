// SPDX-License-Identifier: GPL-3.0-or-later
// The waits a user feels, in one run, as relative figures on a busy machine:
//  - 50 calculations in a coil window on an empty log and on a 10 MB log,
//    with the recovery file kept as the program keeps it (the second should
//    take at most 1.5 times the first);
//  - opening a text file of one line of 400 KB, then a 20-byte file after it;
//  - the program's start-up until its main window is shown, against a bare
//    Qt window, each in a process of its own, with where the time goes.
// Run: QT_QPA_PLATFORM=offscreen ./bench_waits [rounds of start-ups, 9; 0 for none]
//          [another bench_waits, built from an earlier version, to compare with]
// (it starts itself again with --bare and --program for the start-ups, and
// the other one with --program, in turns).

#include "app/MainWindowFactory.h"
#include "app/QtTranslation.h"
#include "app/Startup.h"
#include "coil/CalculationState.h"
#include "coil/window/Kontura.h"
#include "coil/window/LogRecoveryMirror.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "resistor/Main.h"
#include "support/FakeDialogs.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

struct Spread
{
    double median = 0, low = 0, high = 0;
};

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A plain-text log of result blocks, about size bytes.
QByteArray bigLog(qsizetype size)
{
    const QByteArray block = "\n         * * * * * Opyt N 12 * * * * *\n//\n{ ISHODNYE DANNYE }\n"
                             "Tip namotki : odnosloynaya\nDlina namotki: 2 sm\nDiametr namotki: 1 sm\n"
                             "Chislo vitkov: 20\nDiametr provoda: 0,5 mm\n\n{ REZULTAT RASCHETA }\n"
                             "Induktivnost = 2,759 mkGn\n";
    QByteArray data;
    data.reserve(size + block.size());
    while (data.size() < size)
        data += block;
    return data;
}

struct Calculations
{
    double total = 0, first = 0, median = 0;
};

// Milliseconds for 50 calculations of the straight-wire tab, each with the
// events it causes, in a shown coil window with its recovery file: all of
// them, the first (which writes the recovery file whole) and the median.
Calculations fiftyCalculations(const QTemporaryDir &dir, const QString &logFile)
{
    coil::resetCalculationState();
    TfmContura window(nullptr, dir.path() + QLatin1Char('/'));
    window.setSettingsFilePath(dir.filePath(QStringLiteral("bandimor.ini")));
    if (!logFile.isEmpty())
        window.RichEdit1->LoadLogFile(logFile);
    window.show();
    window.PageControl1->setCurrentIndex(2);
    window.Tab3->SkinEdit1->setValue(10);
    window.Tab3->SkinEdit2->setValue(1);
    QCoreApplication::processEvents();
    // As a user who looks at the log before calculating: the record written
    // ahead of a big log is on the disk.
    const QString prepared = coil::RecoveryFolder::preparedPath(window.recoveryMirror()->recordPath());
    QElapsedTimer waited;
    waited.start();
    for (; !logFile.isEmpty() && !QFile::exists(prepared) && waited.elapsed() < 10000;)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    coil::RecoveryFolder::waitForDisk();
    std::vector<double> each;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.Button1Click();
        QCoreApplication::processEvents();
        each.push_back(msSince(timer));
    }
    window.recoveryMirror()->discard();
    Calculations times;
    for (double ms : each)
        times.total += ms;
    times.first = each.front();
    times.median = spreadOf(each).median;
    return times;
}

// Milliseconds to open a file into a shown log, with the events after it.
double openMs(coil::ResultsLog &log, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    log.LoadLogFile(path);
    QCoreApplication::processEvents();
    return msSince(timer);
}

// --bare: a window and nothing else, ended once it is shown.
int bareWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(400, 300);
    window.show();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}

// --program: the program's start-up as main() runs it, ended once the main
// window is shown and the offer of recovered logs has run; its steps on
// standard output as "step|name|ms".
int programStartup(int argc, char **argv, const QElapsedTimer &sinceMain)
{
    QElapsedTimer step;
    step.start();
    const auto report = [&step](const char *name) {
        std::printf("step|%s|%.2f\n", name, step.nsecsElapsed() / 1e6);
        step.restart();
    };
    QApplication application(argc, argv);
    report("QApplication");
    // Its messages, if any, answered at once.
    FakeDialogs answers;
    app::installQtTranslation();
    QGuiApplication::setDesktopFileName(QStringLiteral("bandimor"));
    report("Qt's Russian texts");
    app::StartupSettings settings = app::StartupSettings::forProgram();
    settings.picturePath = QStringLiteral(BANDIMOR_BIN_DIR "/splash.bmp");
    settings.lockDirectory = QString::fromLocal8Bit(qgetenv("BENCH_LOCKS"));
    app::Startup startup([&](app::Startup &start) {
        report("splash, title, single-instance test");
        TfmMain *mainWindow = app::createMainWindow(start);
        report("main window made (settings file read)");
        QObject::connect(mainWindow, &TfmMain::shown, mainWindow, [&report, &sinceMain, mainWindow] {
            report("main window shown");
            // Queued behind the offer of recovered logs, queued on the same signal.
            QTimer::singleShot(0, mainWindow, [&report, &sinceMain] {
                report("recovery folder looked at");
                std::printf("step|total from main()|%.2f\n", sinceMain.nsecsElapsed() / 1e6);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
        return mainWindow;
    }, settings);
    return startup.run();
}

struct StartupFigures
{
    Spread bare, program, before;
    QMap<QString, std::vector<double>> steps;
};

// before: the path of another bench_waits whose --program start-up is timed
// in the same turns, or empty.
StartupFigures startups(const QString &self, const QString &before, int rounds)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("BENCH_LOCKS"), home.path());
    struct Run
    {
        QString program;
        QString mode;
        std::vector<double> ms;
    };
    std::vector<Run> runs{{self, QStringLiteral("--bare"), {}}, {self, QStringLiteral("--program"), {}}};
    if (!before.isEmpty())
        runs.push_back({before, QStringLiteral("--program"), {}});
    StartupFigures figures;
    // In turns, so that a busy spell of the machine hits all alike.
    for (int round = 0; round < rounds; ++round) {
        for (Run &run : runs) {
            QProcess child;
            child.setProcessEnvironment(environment);
            QElapsedTimer timer;
            timer.start();
            child.start(run.program, {run.mode});
            if (!child.waitForFinished(60000) || child.exitCode() != 0)
                std::fprintf(stderr, "%s %s did not end well\n", qPrintable(run.program), qPrintable(run.mode));
            run.ms.push_back(msSince(timer));
            if (&run != &runs[1])
                continue;
            for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> parts = line.split('|');
                if (parts.size() == 3 && parts[0] == "step")
                    figures.steps[QString::fromUtf8(parts[1])].push_back(parts[2].toDouble());
            }
        }
    }
    figures.bare = spreadOf(runs[0].ms);
    figures.program = spreadOf(runs[1].ms);
    if (runs.size() > 2)
        figures.before = spreadOf(runs[2].ms);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--program") == 0)
        return programStartup(argc, argv, sinceMain);
    const int rounds = argc > 1 ? qMax(0, atoi(argv[1])) : 9;

    QApplication application(argc, argv);
    FakeDialogs answers;
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));

    const QString big = dir.filePath(QStringLiteral("big.txt"));
    writeFile(big, bigLog(10 * 1000 * 1000));
    const Calculations onEmpty = fiftyCalculations(dir, QString());
    const Calculations onBig = fiftyCalculations(dir, big);
    std::printf("50 calculations, empty log          %9.1f ms   first %6.1f ms, median %6.1f ms\n",
                onEmpty.total, onEmpty.first, onEmpty.median);
    std::printf("50 calculations, 10 MB log          %9.1f ms   first %6.1f ms, median %6.1f ms\n",
                onBig.total, onBig.first, onBig.median);
    std::printf("  10 MB log against empty log       %9.2f times (at most 1.5)\n", onBig.total / onEmpty.total);

    QByteArray line;
    const QByteArray words("Индуктивность катушки 2,759 мкГн; ");
    while (line.size() < 400 * 1000)
        line += words;
    line.truncate(400 * 1000);
    const QString longLine = dir.filePath(QStringLiteral("line.txt"));
    const QString small = dir.filePath(QStringLiteral("small.rtf"));
    writeFile(longLine, line);
    writeFile(small, "{\\rtf1 Opyt nomer 1}");
    {
        coil::ResultsLog log;
        log.resize(201, 209);
        log.show();
        QCoreApplication::processEvents();
        std::printf("open one line of 400 KB            %9.1f ms   (at most 300)\n", openMs(log, longLine));
        std::printf("open 20 bytes after it              %9.1f ms   (at most 50)\n", openMs(log, small));
    }

    if (rounds == 0)
        return 0;
    const QString before = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const StartupFigures figures = startups(QCoreApplication::applicationFilePath(), before, rounds);
    std::printf("start-up to the shown window, %d rounds: median (lowest-highest)\n", rounds);
    std::printf("  bare Qt window                    %9.1f ms  (%.1f-%.1f)\n", figures.bare.median,
                figures.bare.low, figures.bare.high);
    const auto printProgram = [&figures](const char *name, const Spread &spread) {
        std::printf("  %-33s %9.1f ms  (%.1f-%.1f)   %.2f times the bare window\n", name, spread.median,
                    spread.low, spread.high, spread.median / figures.bare.median);
    };
    printProgram("the program", figures.program);
    if (!before.isEmpty())
        printProgram("the earlier program", figures.before);
    std::printf("  the program's steps, medians:\n");
    for (auto it = figures.steps.cbegin(); it != figures.steps.cend(); ++it)
        std::printf("    %-40s %8.2f ms\n", qPrintable(it.key()), spreadOf(it.value()).median);
    return 0;
}
