// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's open dialog as the program shows it: a name typed without an
// extension opens the file of the selected type.
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    void typedNameWithoutExtension_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");  // empty: refused
        QTest::newRow("upper-case extension") << QStringList{"coil.RTF"} << 0 << "coil" << "coil.RTF";
        QTest::newRow("lower-case extension") << QStringList{"coil.rtf"} << 0 << "coil" << "coil.rtf";
        QTest::newRow("text type chosen") << QStringList{"coil.RTF", "coil.TXT"} << 1 << "coil" << "coil.TXT";
        QTest::newRow("the file without extension comes first")
            << QStringList{"coil", "coil.RTF"} << 0 << "coil" << "coil";
        QTest::newRow("a typed extension stays") << QStringList{"coil.TXT", "coil.rtf.RTF"} << 0 << "coil.rtf"
                                                 << "";
    }
    void typedNameWithoutExtension()
    {
        QFETCH(QStringList, files);
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, opened);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ui::FileRequest request;
        request.directory = dir.path();
        request.filters = QStringList{QStringLiteral("Rich Text Files (*.RTF)"), QStringLiteral("Text Files (*.TXT)"),
                                      QStringLiteral("Все файлы (*.*)")};
        request.selectedFilter = filter;

        bool typedIn = false;
        bool refused = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                if (typedIn) {
                    dialog->reject();  // the refused name left it open
                    return;
                }
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(typed);
                typedIn = true;
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (modal) {
                refused = true;  // "File not found"
                modal->close();
            }
        });
        poll.start();
        QTimer::singleShot(10000, this, [] {
            while (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        const ui::FileChoice choice = ui::dialogs().openFile(nullptr, request);
        poll.stop();

        QVERIFY(typedIn);
        QCOMPARE(choice.path, opened.isEmpty() ? QString() : dir.filePath(opened));
        QCOMPARE(refused, opened.isEmpty());
        if (!opened.isEmpty())
            QCOMPARE(choice.selectedFilter, filter);
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
