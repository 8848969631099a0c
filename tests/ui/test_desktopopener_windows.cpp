// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a file to the Windows shell: a type that no program is registered
// for is a failure, reported from the event loop.

#include "ui/DesktopOpener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDesktopOpenerWindows : public QObject
{
    Q_OBJECT

private slots:
    void typeWithoutProgramFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Spravka.bandimor-no-such-type"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QList<bool> verdicts;
        ui::openWithDesktop(path, [&](bool opened) { verdicts.append(opened); });
        QVERIFY(verdicts.isEmpty());
        QTRY_COMPARE(verdicts, QList<bool>{false});
    }
};

QTEST_GUILESS_MAIN(TestDesktopOpenerWindows)
#include "test_desktopopener_windows.moc"
