// SPDX-License-Identifier: GPL-3.0-or-later
// Menu shortcuts act whatever control of their window has the focus, and
// the key never reaches that control.
#include "ui/SpinEdit.h"
#include "ui/WindowShortcuts.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestWindowShortcuts : public QObject
{
    Q_OBJECT
private slots:
    void f10OpensTheFirstMenu_data()
    {
        QTest::addColumn<bool>("fromSpinBox");
        QTest::newRow("focus in a line edit") << false;
        QTest::newRow("focus in a spin box") << true;
    }
    void f10OpensTheFirstMenu()
    {
        QFETCH(bool, fromSpinBox);
        QMainWindow window;
        auto *central = new QWidget(&window);
        auto *layout = new QVBoxLayout(central);
        auto *edit = new QLineEdit(central);
        auto *spin = new ui::SpinEdit(central);
        layout->addWidget(edit);
        layout->addWidget(spin);
        window.setCentralWidget(central);
        QMenu *file = window.menuBar()->addMenu(QStringLiteral("&Файл"));
        file->addAction(QStringLiteral("&Открыть..."));
        window.menuBar()->addMenu(QStringLiteral("&Правка"))->addAction(QStringLiteral("&Вырезать"));
        new ui::WindowShortcuts(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *focused = fromSpinBox ? static_cast<QWidget *>(spin) : edit;
        focused->setFocus();

        QTest::keyClick(focused, Qt::Key_F10);
        QCOMPARE(window.menuBar()->activeAction(), file->menuAction());
        QVERIFY(QTest::qWaitFor([file] { return file->isVisible(); }));
        file->hide();
    }

    void keyRunsTheMenuEntry_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("inSpinBox");

        // Keys a line edit would use itself: select all, undo, move to the start.
        QTest::newRow("ctrl+a in a line edit") << QKeySequence(Qt::CTRL | Qt::Key_A) << false;
        QTest::newRow("ctrl+z in a line edit") << QKeySequence(Qt::CTRL | Qt::Key_Z) << false;
        QTest::newRow("home in a line edit") << QKeySequence(Qt::Key_Home) << false;
        QTest::newRow("f2 in a spin box") << QKeySequence(Qt::Key_F2) << true;
        QTest::newRow("ctrl+a in a spin box") << QKeySequence(Qt::CTRL | Qt::Key_A) << true;
    }
    void keyRunsTheMenuEntry()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(bool, inSpinBox);

        QMainWindow window;
        auto *central = new QWidget(&window);
        auto *layout = new QVBoxLayout(central);
        auto *edit = new QLineEdit(QStringLiteral("abc"), central);
        auto *spin = new ui::SpinEdit(central);
        layout->addWidget(edit);
        layout->addWidget(spin);
        window.setCentralWidget(central);
        QAction *entry = window.menuBar()->addMenu(QStringLiteral("&Файл"))->addAction(QStringLiteral("&Рассчитать"));
        entry->setShortcut(keys);
        new ui::WindowShortcuts(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QWidget *focused = inSpinBox ? static_cast<QWidget *>(spin) : edit;
        focused->setFocus();
        QLineEdit *text = inSpinBox ? spin->findChild<QLineEdit *>() : edit;
        text->setCursorPosition(1);
        const QString before = text->text();

        QSignalSpy runs(entry, &QAction::triggered);
        const QKeyCombination key = keys[0];
        QTest::keyClick(focused, key.key(), key.keyboardModifiers());
        QCOMPARE(runs.size(), 1);
        QCOMPARE(text->text(), before);
        QCOMPARE(text->cursorPosition(), 1); // Home did not move it
        QVERIFY(!text->hasSelectedText());   // Ctrl+A did not select
    }

    void otherWindowsKeepTheirKeys()
    {
        QMainWindow window;
        QAction *entry = window.menuBar()->addMenu(QStringLiteral("&Файл"))->addAction(QStringLiteral("x"));
        entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        new ui::WindowShortcuts(&window);
        window.show();

        QLineEdit other(QStringLiteral("abc"));
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QSignalSpy runs(entry, &QAction::triggered);
        QTest::keyClick(&other, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(runs.size(), 0);
        QCOMPARE(other.selectedText(), QString("abc"));
    }
};

QTEST_MAIN(TestWindowShortcuts)
#include "test_windowshortcuts.moc"
