// SPDX-License-Identifier: GPL-3.0-or-later
// The one switch for every tooltip of the program, and the tooltips' look.
#include "ui/TooltipSwitch.h"
#include "support/TestData.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QTest>
#include <QToolTip>

namespace {

// Counts the tooltip requests that reach it.
class Probe : public QLabel
{
public:
    int tooltipEvents = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++tooltipEvents;
        return QLabel::event(event);
    }
};

void askForTooltip(QWidget *widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &help);
}

} // namespace

class TestTooltipSwitch : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QToolTip::hideText(); }

    void governsEveryWindow_data()
    {
        addBooleanRows("on", "switched on", "switched off");
    }
    void governsEveryWindow()
    {
        QFETCH(bool, on);
        QObject owner;
        auto *hints = new ui::TooltipSwitch(&owner);
        hints->setOn(on);

        // Two separate windows, the second made after the switch.
        Probe first;
        first.setToolTip("Подсказка");
        first.show();
        Probe second;
        second.setToolTip("Другая подсказка");
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));

        askForTooltip(&first);
        askForTooltip(&second);
        QCOMPARE(first.tooltipEvents, on ? 1 : 0);
        QCOMPARE(second.tooltipEvents, on ? 1 : 0);
        QCOMPARE(QToolTip::isVisible(), on);
    }

    void switchingOffHidesTheShownTooltip()
    {
        ui::TooltipSwitch hints;
        hints.setOn(true);
        QLabel label("x");
        label.setToolTip("Подсказка");
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        askForTooltip(&label);
        QVERIFY(QToolTip::isVisible());
        hints.setOn(false);
        QTRY_VERIFY(!QToolTip::isVisible()); // Qt fades it out shortly
    }

    void startsOffAndEndsWithItsOwner()
    {
        Probe label;
        label.setToolTip("Подсказка");
        {
            ui::TooltipSwitch hints;
            QVERIFY(!hints.isOn());
            askForTooltip(&label);
            QCOMPARE(label.tooltipEvents, 0);
        }
        askForTooltip(&label);
        QCOMPARE(label.tooltipEvents, 1);
    }

    void tooltipsAreSemiTransparent()
    {
        ui::TooltipSwitch hints;
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTipLabel_Opacity), 200);
    }
};

QTEST_MAIN(TestTooltipSwitch)
#include "test_tooltipswitch.moc"
