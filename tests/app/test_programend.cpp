// SPDX-License-Identifier: GPL-3.0-or-later
// The program's end with coil windows open: closing the main window asks
// about each unsaved log in turn and Cancel keeps everything running; a
// session that ends without letting the program ask keeps the logs for the
// next start.
#include "app/ProgramEnd.h"
#include "coil/CalculationState.h"
#include "coil/LogRecovery.h"
#include "coil/window/CoilWindows.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/LogRecoveryMirror.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "resistor/Main.h"
#include "support/FakeDialogs.h"
#include "support/ProgramWindows.h"
#include "support/FileHelpers.h"
#include "ui/SpinEdit.h"

#include <QAction>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using ui::Answer;

class TestProgramEnd : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakeDialogs> fake;
    QPointer<TfmMain> mainWindow;
    QList<QPointer<TfmContura>> coilWindows;

    QString settingsPath() const { return dir->filePath(QStringLiteral("bandimor.ini")); }
    QStringList records() const { return coil::RecoveryFolder().recordPaths(); }

    // The main window as start-up makes it, with coil windows holding results.
    void open(int withResults, int withoutResults = 0)
    {
        mainWindow = askingMainWindow(*dir);
        mainWindow->show();
        for (int i = 0; i < withResults + withoutResults; ++i)
            coilWindows << coilWindowOf(mainWindow, *dir, i, i < withResults);
        fake->messages.clear();  // the tabs' missing pictures
    }
    QStringList questionTexts() const
    {
        QStringList texts;
        for (const ui::MessageRequest &message : fake->messages) {
            if (message.caption == QStringLiteral("Подтверждение"))
                texts << message.text;
        }
        return texts;
    }

private slots:
    void init()
    {
        coil::resetCalculationState();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        coil::setRecoveryFolderForTesting(dir->filePath(QStringLiteral("state/bandimor/recovery")));
        fake = std::make_unique<FakeDialogs>();
        coilWindows.clear();
    }
    void cleanup()
    {
        delete mainWindow.data();
        fake.reset();
        dir.reset();
    }

    void closeAsksEachUnsavedLog_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("ends");
        QTest::newRow("No to both ends it") << QList<Answer>{Answer::No, Answer::No} << 2 << true;
        QTest::newRow("Cancel at the second keeps both")
            << QList<Answer>{Answer::No, Answer::Cancel} << 2 << false;
        QTest::newRow("Cancel at the first asks no more") << QList<Answer>{Answer::Cancel} << 1 << false;
        // Yes is the default: Enter at each question saves (here the save
        // dialog is cancelled, and the program ends all the same).
        QTest::newRow("default answers") << QList<Answer>{} << 2 << true;
    }
    void closeAsksEachUnsavedLog()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(int, questions);
        QFETCH(bool, ends);
        open(2, 1);
        for (Answer answer : answers)
            fake->answers.enqueue(answer);
        QCOMPARE(records().size(), 2);

        QCOMPARE(mainWindow->close(), ends);

        QCOMPARE(questionTexts(),
                 QStringList(questions, QStringLiteral("Сохранить изменения в Безымянный ?")));
        for (const ui::MessageRequest &message : fake->messages) {
            QCOMPARE(message.buttons, ui::Buttons::YesNoCancel);
            QCOMPARE(message.defaultButton, Answer::Yes);
        }
        QCOMPARE(mainWindow->isVisible(), !ends);
        QCOMPARE(QFile::exists(settingsPath()), ends);
        // The coil windows' settings are written by the end, not before.
        QCOMPARE(QFile::exists(dir->filePath(QStringLiteral("coil.ini"))), ends);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(coilWindows[i]);
            QCOMPARE(coilWindows[i]->isVisible(), !ends);
            QVERIFY(coilWindows[i]->RichEdit1->isModified());
            QVERIFY(coilWindows[i]->RichEdit1->lineCount() > 0);
        }
        // Answered logs leave no recovery file; kept ones keep theirs.
        QCOMPARE(records().size(), ends ? 0 : 2);
    }

    // F12 writes the settings of the coil window used last, as its own
    // close would: its tab and its log's font.
    void endKeepsTheLastUsedCoilSettings()
    {
        open(0, 2);
        coilWindows[0]->PageControl1->setCurrentIndex(2);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(15);
        coilWindows[0]->RichEdit1->setLogFont(font);
        coilWindows[0]->RichEdit1->setModified(false);
        coilWindows[1]->PageControl1->setCurrentIndex(1);
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(coilWindows[0], &activation);

        mainWindow->findChild<QAction *>(QStringLiteral("N6"))->trigger(); // "Вы&ход", F12

        QVERIFY(!mainWindow->isVisible());
        const QByteArray ini = contentOf(dir->filePath(QStringLiteral("coil.ini")));
        QVERIFY2(ini.contains("Page_control=2"), ini.constData());
        QVERIFY2(ini.contains("EditorFontName=DejaVu Sans"), ini.constData());
        QVERIFY2(ini.contains("EditorFontSize=15"), ini.constData());
    }

    void yesSavesBeforeTheEnd()
    {
        open(2);
        const QString saved = dir->filePath(QStringLiteral("first.rtf"));
        fake->answers << Answer::Yes << Answer::No;
        fake->saveChoices.enqueue({saved, 0});

        QVERIFY(mainWindow->close());

        QCOMPARE(contentOf(saved), coilWindows[0]->RichEdit1->rtfContent());
        QVERIFY(!coilWindows[0]->RichEdit1->isModified());
        QVERIFY(records().isEmpty());
    }

    // A save that fails keeps the program and the log: nothing is lost.
    void failedSaveKeepsTheProgram()
    {
        open(1);
        fake->answers << Answer::Yes;
        fake->saveChoices.enqueue({dir->filePath(QStringLiteral("missing/folder/log.rtf")), 0});

        QVERIFY(!mainWindow->close());

        QVERIFY(mainWindow->isVisible());
        QVERIFY(coilWindows[0]->RichEdit1->isModified());
        QCOMPARE(fake->messages.last().icon, ui::Icon::Error);
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(records().size(), 1);
    }

    void windowClosedByTheUserIsNotAskedAgain()
    {
        open(2);
        fake->answers << Answer::No;
        QVERIFY(coilWindows[0]->close());  // the close box hides it
        QVERIFY(coilWindows[0]);
        fake->messages.clear();

        fake->answers << Answer::No;
        QVERIFY(mainWindow->close());
        QCOMPARE(questionTexts().size(), 1);
    }

    // A signal that arrives while the questions are open ends the program
    // with the logs kept, and no further question is asked.
    void noQuestionsOnceEndingWithoutAsking()
    {
        open(2);
        coil::keepUnsavedLogs(mainWindow);

        QVERIFY(!mainWindow->close());
        QVERIFY(questionTexts().isEmpty());
        QCOMPARE(records().size(), 2);
    }

    void sessionEnd_data()
    {
        QTest::addColumn<bool>("mayAsk");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("goesOn");   // the session may end
        QTest::addColumn<int>("recordsLeft");
        QTest::newRow("may not ask: logs kept") << false << QList<Answer>{} << true << 2;
        QTest::newRow("asks, No to both") << true << QList<Answer>{Answer::No, Answer::No} << true << 0;
        QTest::newRow("asks, Cancel") << true << QList<Answer>{Answer::Cancel} << false << 2;
    }
    void sessionEnd()
    {
        QFETCH(bool, mayAsk);
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, goesOn);
        QFETCH(int, recordsLeft);
        open(2);
        // Typed after the last result: not in the file yet.
        coilWindows[1]->RichEdit1->insertPlainText(QStringLiteral("заметка"));
        const QByteArray typed = coilWindows[1]->RichEdit1->rtfContent();
        for (Answer answer : answers)
            fake->answers.enqueue(answer);
        app::ProgramEnd end(mainWindow);

        QCOMPARE(end.sessionEnding(mayAsk), goesOn);

        QCOMPARE(questionTexts().size(), answers.size());
        QCOMPARE(records().size(), recordsLeft);
        QCOMPARE(QFile::exists(settingsPath()), goesOn);
        QCOMPARE(QFile::exists(dir->filePath(QStringLiteral("coil.ini"))), goesOn);
        if (!mayAsk) {
            coil::ResultsLog recovered;
            coil::LogRecoveryMirror::restore(&recovered,
                                             coil::RecoveryFolder::read(coilWindows[1]->recoveryMirror()->recordPath()));
            QCOMPARE(recovered.rtfContent(), typed);
        }

        // A session that was only saved goes on: a result after it is kept
        // as before, whatever was answered.
        coilWindows[0]->Button1Click();
        QVERIFY(QFile::exists(coilWindows[0]->recoveryMirror()->recordPath()));
    }
};

QTEST_MAIN(TestProgramEnd)
#include "test_programend.moc"
