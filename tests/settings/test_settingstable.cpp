// SPDX-License-Identifier: GPL-3.0-or-later
// A window's settings table: what it reads from the file, what it writes,
// and that one table does both.

#include "settings/SettingsTable.h"
#include "support/FileHelpers.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The state of a window as the table sees it.
struct Window
{
    int tab = 1;
    bool hints = true;
    QString font = QStringLiteral("Times New Roman");
};

settings::SettingsTable tableOf(Window &window)
{
    using settings::SettingsSection;
    settings::SettingsTable table;
    table.integer(SettingsSection, QStringLiteral("Page_control"),
                  {[&] { return window.tab; }, [&](int tab) { window.tab = tab; }});
    table.boolean(SettingsSection, QStringLiteral("Hints"),
                  {[&] { return window.hints; }, [&](bool on) { window.hints = on; }});
    table.text(SettingsSection, QStringLiteral("EditorFontName"),
               {[&] { return window.font; }, [&](const QString &font) { window.font = font; }});
    return table;
}

} // namespace

class TestSettingsTable : public QObject
{
    Q_OBJECT
private slots:
    // Missing or damaged entries keep what the window had.
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("hints");
        QTest::addColumn<QString>("font");
        QTest::newRow("no file entries") << QByteArray() << 1 << true << "Times New Roman";
        QTest::newRow("all entries")
            << QByteArray("[Settings]\r\nPage_control=2\r\nHints=0\r\nEditorFontName=Arial\r\n")
            << 2 << false << "Arial";
        QTest::newRow("damaged number keeps the tab")
            << QByteArray("[Settings]\r\nPage_control=two\r\nHints=1\r\n") << 1 << true << "Times New Roman";
        QTest::newRow("entries of another section are not ours")
            << QByteArray("[WindowPos]\r\nPage_control=2\r\nHints=0\r\n") << 1 << true << "Times New Roman";
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, tab);
        QFETCH(bool, hints);
        QFETCH(QString, font);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bandimor.ini"));
        putFile(path, file);

        Window window;
        tableOf(window).read(settings::IniFile(path));
        QCOMPARE(window.tab, tab);
        QCOMPARE(window.hints, hints);
        QCOMPARE(window.font, font);
    }

    // What one window writes, another reads back; entries go in table order.
    void writeThenRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bandimor.ini"));
        Window written{3, false, QStringLiteral("Courier New")};
        settings::IniFile ini(path);
        tableOf(written).write(ini);
        ini.save();
        QCOMPARE(contentOf(path),
                 QByteArray("[Settings]\r\nPage_control=3\r\nHints=0\r\nEditorFontName=Courier New\r\n"));

        Window read;
        tableOf(read).read(settings::IniFile(path));
        QCOMPARE(read.tab, 3);
        QCOMPARE(read.hints, false);
        QCOMPARE(read.font, QStringLiteral("Courier New"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsTable)
#include "test_settingstable.moc"
