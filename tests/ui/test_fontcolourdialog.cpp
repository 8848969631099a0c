// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog with its colour button: it opens on the face, size and
// colour it is given and hands back what it shows.
#include "ui/FontColourDialog.h"

#include <QFontDatabase>
#include <QPushButton>
#include <QTest>

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
};

QTEST_MAIN(TestFontColourDialog)
#include "test_fontcolourdialog.moc"
