// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog with its colour button: it opens on the face, size and
// colour it is given and hands back what it shows.
#include "ui/FontColourDialog.h"

#include <QFontDatabase>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestFontColourDialog : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheGivenFontAndColour_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("shownColour");
        QTest::newRow("the log's face, small") << "Liberation Serif" << 6 << QColor(Qt::darkRed) << QColor(Qt::darkRed);
        QTest::newRow("another face, no colour yet") << "DejaVu Sans" << 11 << QColor() << QColor(Qt::black);
    }
    void opensOnTheGivenFontAndColour()
    {
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        QFETCH(QColor, colour);
        QFETCH(QColor, shownColour);
        if (!QFontDatabase::families().contains(family))
            QSKIP("the font is not installed");

        ui::FontColourDialog dialog({QFont(family, pointSize), colour});
        QCOMPARE(dialog.currentFont().family(), family);
        QCOMPARE(dialog.currentFont().pointSize(), pointSize);
        QCOMPARE(dialog.color(), shownColour);
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("colourButton")));

        dialog.setColor(Qt::blue);
        const ui::FontChoice choice = dialog.choice();
        QCOMPARE(choice.color, QColor(Qt::blue));
        QCOMPARE(choice.font.family(), family);
        QCOMPARE(choice.font.pointSize(), pointSize);
    }

    // Qt's Russian texts name the styles otherwise than the font database
    // does; the dialog must still open on the font's own weight and slant.
    void opensOnTheFontsOwnStyle_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::newRow("serif, regular") << "Liberation Serif" << int(QFont::Normal) << false;
        QTest::newRow("serif, bold italic") << "Liberation Serif" << int(QFont::Bold) << true;
        QTest::newRow("sans, bold") << "DejaVu Sans" << int(QFont::Bold) << false;
        QTest::newRow("sans, regular") << "DejaVu Sans" << int(QFont::Normal) << false;
    }
    void opensOnTheFontsOwnStyle()
    {
        QFETCH(QString, family);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        if (!QFontDatabase::families().contains(family))
            QSKIP("the font is not installed");
        QTranslator russian;
        if (!russian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QSKIP("Qt's Russian translation is not installed");
        QCoreApplication::installTranslator(&russian);

        QFont font(family, 6, weight, italic);
        ui::FontColourDialog dialog({font, QColor(Qt::black)});
        QCoreApplication::removeTranslator(&russian);

        QCOMPARE(dialog.currentFont().family(), family);
        QCOMPARE(dialog.currentFont().pointSize(), 6);
        QCOMPARE(int(dialog.currentFont().weight()), weight);
        QCOMPARE(dialog.currentFont().italic(), italic);
    }
};

QTEST_MAIN(TestFontColourDialog)
#include "test_fontcolourdialog.moc"
