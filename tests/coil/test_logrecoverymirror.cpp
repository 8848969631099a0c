// SPDX-License-Identifier: GPL-3.0-or-later
// A coil window's unsaved log in its recovery file: written at once after a
// result, after the wait for typing, gone once the log is saved, emptied,
// replaced or closed with an answer; and offered back at the next start.
#include "base/AppInfo.h"
#include "coil/CalculationState.h"
#include "coil/LogRecovery.h"
#include "coil/window/CoilWindows.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/LogRecoveryMirror.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "support/FakeDialogs.h"
#include "support/FileHelpers.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

using ui::Answer;

class TestLogRecoveryMirror : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakeDialogs> fake;
    QString programDir;
    QString recoveryPath;

    TfmContura *makeWindow(QWidget *owner = nullptr)
    {
        auto *window = new TfmContura(owner, programDir);
        window->setSettingsFilePath(dir->filePath(QStringLiteral("bandimor.ini")));
        // The tabs' pictures are not there: their notices are not the point.
        fake->messages.clear();
        return window;
    }
    static void calculate(TfmContura &window)
    {
        window.PageControl1->setCurrentIndex(2);
        window.Tab3->SkinEdit1->setValue(10);
        window.Tab3->SkinEdit2->setValue(1);
        window.Button1Click();
    }
    // The messages but the tabs' notices about their pictures, which this
    // test does not lay out.
    QList<ui::MessageRequest> messages() const
    {
        QList<ui::MessageRequest> found;
        for (const ui::MessageRequest &message : fake->messages) {
            if (message.caption != QStringLiteral("К сведению..."))
                found << message;
        }
        return found;
    }
    QStringList records() const { return coil::RecoveryFolder(recoveryPath).recordPaths(); }
    static coil::RecoveryRecord recordOf(const TfmContura &window)
    {
        return coil::RecoveryFolder::read(window.recoveryMirror()->recordPath());
    }
    // The log that the window's record gives back, as RTF.
    static QByteArray recoveredRtf(const TfmContura &window)
    {
        coil::ResultsLog log;
        coil::LogRecoveryMirror::restore(&log, recordOf(window));
        return log.rtfContent();
    }

private slots:
    void init()
    {
        coil::resetCalculationState();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        programDir = dir->path() + QLatin1Char('/');
        coil::setRecoveryFolderForTesting(dir->filePath(QStringLiteral("state/bandimor/recovery")));
        recoveryPath = coil::RecoveryFolder::defaultPath();
        fake = std::make_unique<FakeDialogs>();
    }
    void cleanup()
    {
        fake.reset();
        dir.reset();
    }

    void resultIsKeptAtOnce()
    {
        std::unique_ptr<TfmContura> window(makeWindow());
        QVERIFY(records().isEmpty());
        calculate(*window);

        QCOMPARE(records(), QStringList{window->recoveryMirror()->recordPath()});
        const coil::RecoveryRecord record = recordOf(*window);
        QCOMPARE(recoveredRtf(*window), window->RichEdit1->rtfContent());
        QCOMPARE(record.logFileName, QStringLiteral("Безымянный"));
        QCOMPARE(record.capacity, window->RichEdit1->capacity());
        QVERIFY(!window->recoveryMirror()->isPending());

        // The next result is appended to the file's journal: the full record
        // stays as it was, until the journal outgrows the limit.
        calculate(*window);
        QCOMPARE(recordOf(*window).rtf, record.rtf);
        QVERIFY(recordOf(*window).journal.size() > record.journal.size());
        QCOMPARE(recoveredRtf(*window), window->RichEdit1->rtfContent());
        while (recordOf(*window).rtf == record.rtf) {
            QVERIFY(recordOf(*window).journal.size() <= coil::LogRecoveryMirror::kJournalLimit);
            calculate(*window);
        }
        QVERIFY(recordOf(*window).journal.isEmpty());
        QCOMPARE(recoveredRtf(*window), window->RichEdit1->rtfContent());
    }

    // A big log opened has its record written ahead: its first result only
    // gives that record its name and appends the journal.
    void bigLogsRecordIsWrittenAhead()
    {
        const QString file = dir->filePath(QStringLiteral("big.txt"));
        const QByteArray line("Индуктивность = 2,759 мкГн\n");
        putFile(file, line.repeated(int(coil::LogRecoveryMirror::kPrepareFrom / line.size()) + 1));
        std::unique_ptr<TfmContura> window(makeWindow());
        window->RichEdit1->LoadLogFile(file);
        const QString prepared = coil::RecoveryFolder::preparedPath(window->recoveryMirror()->recordPath());
        QTRY_VERIFY(QFile::exists(prepared));
        QVERIFY(records().isEmpty());

        calculate(*window);

        QVERIFY(!QFile::exists(prepared));
        QCOMPARE(recordOf(*window).rtf, contentOf(file));
        QVERIFY(!recordOf(*window).journal.isEmpty());
        QCOMPARE(recoveredRtf(*window), window->RichEdit1->rtfContent());
    }

    // Typing, paste and the font reach the file after the wait, not at once.
    void otherChangesAfterTheWait_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("typing") << 0;
        QTest::newRow("paste") << 1;
        QTest::newRow("font") << 2;
    }
    void otherChangesAfterTheWait()
    {
        QFETCH(int, change);
        std::unique_ptr<TfmContura> window(makeWindow());
        window->show();
        coil::ResultsLog *log = window->RichEdit1;
        QCOMPARE(coil::LogRecoveryMirror::kDelayMs, 2000);
        if (change == 0) {
            log->setFocus();
            QTest::keyClicks(log, QStringLiteral("note"));
        } else if (change == 1) {
            QApplication::clipboard()->setText(QStringLiteral("заметка"));
            window->N16Click();
        } else {
            log->setLogFont(QFont(QStringLiteral("DejaVu Sans"), 14));
        }

        QVERIFY(log->isModified());
        QVERIFY(window->recoveryMirror()->isPending());
        QVERIFY(records().isEmpty());
        window->recoveryMirror()->setDelay(0);
        window->RichEdit1->insertPlainText(QStringLiteral("!"));
        QVERIFY(QTest::qWaitFor([&] { return !records().isEmpty(); }, 5000));
        QCOMPARE(recoveredRtf(*window), log->rtfContent());
        if (change == 2) {
            QFont kept;
            QVERIFY(kept.fromString(recordOf(*window).font));
            QCOMPARE(kept.pointSize(), 14);
        }
    }

    void recordGoesWhenTheLogIsAnsweredFor_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("save") << "save";
        QTest::newRow("Очистить") << "clear";
        QTest::newRow("open a file") << "open";
        QTest::newRow("close, answer No") << "close";
        QTest::newRow("close box, answer No") << "closebox";
    }
    void recordGoesWhenTheLogIsAnsweredFor()
    {
        QFETCH(QString, step);
        QPointer<TfmContura> window = makeWindow();
        window->show();
        calculate(*window);
        QCOMPARE(records().size(), 1);

        const QString other = dir->filePath(QStringLiteral("other.rtf"));
        putFile(other, "{\\rtf1 other}");
        if (step == "save") {
            fake->saveChoices.enqueue({dir->filePath(QStringLiteral("log.rtf")), 0});
            window->FileSaveClick();
        } else if (step == "clear") {
            window->spSkinButton1->click();
        } else if (step == "open") {
            fake->answers.enqueue(Answer::No);
            fake->openChoices.enqueue({other, 0});
            window->N2Click();
        } else if (step == "close") {
            fake->answers.enqueue(Answer::No);
            window->N4Click();
        } else {
            fake->answers.enqueue(Answer::No);
            QVERIFY(window->close());
        }

        QVERIFY(records().isEmpty());
        // Nothing comes back afterwards either.
        if (window && window->isVisible()) {
            calculate(*window);
            QCOMPARE(records().size(), 1);
        }
        delete window.data();
    }

    void cancelledCloseKeepsTheRecord()
    {
        std::unique_ptr<TfmContura> window(makeWindow());
        window->show();
        calculate(*window);
        fake->answers.enqueue(Answer::Cancel);
        window->N4Click();
        QCOMPARE(records().size(), 1);
    }

    // A folder that cannot be written keeps no result from being shown and
    // is reported once, not at every result.
    void unwritableFolderIsReportedOnce()
    {
        putFile(dir->filePath(QStringLiteral("state")), "a file where the folder should be");
        std::unique_ptr<TfmContura> first(makeWindow());
        std::unique_ptr<TfmContura> second(makeWindow());
        calculate(*first);
        calculate(*first);
        calculate(*second);

        QCOMPARE(first->RichEdit1->lineCount(), 2 * second->RichEdit1->lineCount());
        QVERIFY(second->RichEdit1->lineCount() > 0);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages().first().caption, base::applicationTitle());
        QVERIFY(messages().first().text.startsWith(QStringLiteral("Не удалось создать папку файлов восстановления")));
    }

    void logsOfAnEarlierRunAreOffered_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("damage");  // of a third record: 0 none, 1 nothing readable, 2 cut short
        QTest::newRow("Yes") << Answer::Yes << 0;
        QTest::newRow("No deletes them") << Answer::No << 0;
        QTest::newRow("Yes, one beyond reading") << Answer::Yes << 1;
        QTest::newRow("Yes, one cut short: its readable part") << Answer::Yes << 2;
    }
    void logsOfAnEarlierRunAreOffered()
    {
        QFETCH(Answer, answer);
        QFETCH(int, damage);
        const bool damaged = damage != 0;
        // An earlier run: two windows with results, one of them from a file.
        QStringList texts;
        {
            QWidget earlier;
            TfmContura *first = makeWindow(&earlier);
            TfmContura *second = makeWindow(&earlier);
            const QString file = dir->filePath(QStringLiteral("катушки.rtf"));
            putFile(file, "{\\rtf1 {\\b Старый} журнал\\par}");
            second->RichEdit1->LoadLogFile(file);
            second->RichEdit1->setLogFont(QFont(QStringLiteral("DejaVu Serif"), 11));
            calculate(*first);
            calculate(*second);
            texts << first->RichEdit1->toPlainText().trimmed() << second->RichEdit1->toPlainText().trimmed();
            coil::keepUnsavedLogs(&earlier);
        }
        QString damagedPath;
        if (damaged) {
            damagedPath = coil::RecoveryFolder(recoveryPath).newRecordPath();
            coil::RecoveryRecord cut;
            cut.logFileName = dir->filePath(QStringLiteral("cut.rtf"));
            cut.rtf = QByteArray("{\\rtf1 Cut short log\\par}");
            cut.capacity = 65535;
            const QByteArray whole = coil::encodeRecoveryRecord(cut);
            putFile(damagedPath, damage == 1 ? QByteArray("Bandimor recovery 1\ncut short") : whole.chopped(1));
        }
        QCOMPARE(records().size(), damaged ? 3 : 2);

        QWidget mainWindow;
        QList<TfmContura *> opened;
        fake->answers.enqueue(answer);
        coil::offerRecoveredLogs(&mainWindow, [&](QWidget *owner) {
            opened << TfmContura::openNew(owner, {});
            return opened.last();
        });

        QVERIFY(!messages().isEmpty());
        const ui::MessageRequest question = messages().first();
        QCOMPARE(question.text, coil::recoveryQuestion(damaged ? 3 : 2));
        QCOMPARE(question.caption, QStringLiteral("Подтверждение"));
        QCOMPARE(question.icon, ui::Icon::Question);
        QCOMPARE(question.buttons, ui::Buttons::YesNo);
        QCOMPARE(question.defaultButton, Answer::Yes);
        if (answer == Answer::No) {
            QVERIFY(opened.isEmpty());
            QVERIFY(records().isEmpty());
            return;
        }
        QCOMPARE(opened.size(), damage == 2 ? 3 : 2);
        if (damage == 2)
            texts << QStringLiteral("Cut short log");
        QStringList shown;
        for (TfmContura *window : opened) {
            shown << window->RichEdit1->toPlainText().trimmed();
            QVERIFY(window->RichEdit1->isModified());
            QVERIFY(window->isVisible());
        }
        std::sort(texts.begin(), texts.end());
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown, texts);
        TfmContura *fromFile = *std::find_if(opened.begin(), opened.end(), [](TfmContura *window) {
            return window->RichEdit1->LogFileName().endsWith(QStringLiteral("катушки.rtf"));
        });
        QCOMPARE(fromFile->windowTitle(), QStringLiteral("{катушки.rtf} - Bandimor v1.7"));
        QCOMPARE(fromFile->RichEdit1->logFont().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(fromFile->RichEdit1->capacity(), 2147483632);
        // The damaged one is reported by its name, in Russian, and set aside
        // under another name; the others now live in the new windows' records.
        QStringList expected;
        for (TfmContura *window : opened)
            expected << window->recoveryMirror()->recordPath();
        QStringList left = records();
        std::sort(left.begin(), left.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(left, expected);
        // Asked about its readable part (2), and told where it went.
        QCOMPARE(messages().size(), damage == 2 ? 2 : 1);
        QStringList aboutDamaged;
        ui::Icon lastIconAboutDamaged = ui::Icon::Question;
        for (const ui::MessageRequest &message : fake->messages) {
            if (damaged && message.text.contains(damagedPath)) {
                aboutDamaged << message.text;
                lastIconAboutDamaged = message.icon;
            }
        }
        QCOMPARE(aboutDamaged.size(), damage);
        if (damaged) {
            QVERIFY2(aboutDamaged.last().contains(QStringLiteral("повреждён")), qPrintable(aboutDamaged.last()));
            // Not the last message of all: a new window's notice about its
            // pictures may come after it.
            QCOMPARE(lastIconAboutDamaged, ui::Icon::Warning);
            QVERIFY(QFile::exists(QString(damagedPath).replace(QStringLiteral(".recovery"), QStringLiteral(".damaged"))));
        }
    }

    void nothingToOfferAsksNothing()
    {
        QWidget mainWindow;
        int opened = 0;
        coil::offerRecoveredLogs(&mainWindow, [&](QWidget *owner) {
            ++opened;
            return TfmContura::openNew(owner, {});
        });
        QVERIFY(messages().isEmpty());
        QCOMPARE(opened, 0);
    }
};

QTEST_MAIN(TestLogRecoveryMirror)
#include "test_logrecoverymirror.moc"
