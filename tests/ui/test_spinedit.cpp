// SPDX-License-Identifier: GPL-3.0-or-later
// The spin box as the user drives it: typing, pasting, stepping by keys,
// wheel and arrow buttons, and the repetition while an arrow is held.
#include "support/FakeDialogs.h"
#include "support/NumberHelpers.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QWheelEvent>

Q_DECLARE_METATYPE(ui::SpinKind)

namespace {

class ProbedSpinEdit : public ui::SpinEdit
{
public:
    QLineEdit *edit() const { return lineEdit(); }
    QPoint arrowCentre(QStyle::SubControl arrow)
    {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, this).center();
    }
};

void fireTimer(QTimer *timer)
{
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

void turnWheel(QWidget *widget, int angle)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestSpinEdit : public QObject
{
    Q_OBJECT
private:
    FakeDialogs *m_dialogs = nullptr;
    ProbedSpinEdit *m_spin = nullptr;

    void makeBox(ui::SpinKind kind, int decimals, long double start)
    {
        m_spin = new ProbedSpinEdit;
        m_spin->setKind(kind);
        m_spin->setDecimals(decimals);
        m_spin->setRange(0, 1000);
        m_spin->setValue(start);
        m_spin->resize(100, 26);
        m_spin->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_spin));
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        m_dialogs = new FakeDialogs;
    }
    void cleanup()
    {
        delete m_spin;
        m_spin = nullptr;
        delete m_dialogs;
        m_dialogs = nullptr;
        QLocale::setDefault(QLocale::c());
    }

    void newBoxHoldsZero()
    {
        ui::SpinEdit spin;
        QVERIFY(spin.value() == 0);
        QCOMPARE(spin.text(), QString("0"));
    }

    void typing_data()
    {
        QTest::addColumn<ui::SpinKind>("kind");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("typed");        // replaces the whole text
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("notifications");
        QTest::addColumn<int>("beeps");

        const auto whole = ui::SpinKind::WholeNumber;
        const auto decimal = ui::SpinKind::Decimal;
        QTest::newRow("whole: digits") << whole << 0 << "ru_RU" << 7 << "42" << "42" << "42" << 2 << 0;
        QTest::newRow("whole: letter refused") << whole << 0 << "ru_RU" << 7 << "4a2" << "42" << "42" << 2 << 1;
        QTest::newRow("whole: separator refused") << whole << 0 << "ru_RU" << 7 << "4,2" << "42" << "42" << 2 << 1;
        QTest::newRow("whole: blank and plus refused") << whole << 0 << "ru_RU" << 7 << " +3" << "3" << "3" << 1 << 2;
        QTest::newRow("whole: same value is silent") << whole << 0 << "ru_RU" << 5 << "5" << "5" << "5" << 0 << 0;
        QTest::newRow("whole: below the bound") << whole << 0 << "ru_RU" << 7 << "-5" << "0" << "0" << 1 << 0;
        QTest::newRow("whole: above the bound") << whole << 0 << "ru_RU" << 7 << "12345" << "1000" << "1000" << 4 << 0;
        QTest::newRow("whole: minus alone keeps value") << whole << 0 << "ru_RU" << 7 << "-" << "7" << "-" << 0 << 0;
        QTest::newRow("whole: minus not first") << whole << 0 << "ru_RU" << 7 << "5-" << "5" << "5-" << 1 << 0;
        QTest::newRow("whole: two minus signs") << whole << 0 << "ru_RU" << 7 << "--" << "7" << "--" << 0 << 0;
        QTest::newRow("whole: emptied keeps value") << whole << 0 << "ru_RU" << 7 << "\b" << "7" << "" << 0 << 0;
        QTest::newRow("whole: leading zeros stay as typed") << whole << 0 << "ru_RU" << 7 << "007" << "7" << "007" << 2 << 0;
        QTest::newRow("decimal comma: full precision") << decimal << 1 << "ru_RU" << 7 << "1,2345" << "1.2345" << "1,2345" << 5 << 0;
        QTest::newRow("decimal comma: trailing separator") << decimal << 1 << "ru_RU" << 7 << "12," << "12" << "12," << 2 << 0;
        QTest::newRow("decimal comma: separator first") << decimal << 1 << "ru_RU" << 7 << ",5" << "7" << ",5" << 0 << 0;
        QTest::newRow("decimal comma: two separators") << decimal << 2 << "ru_RU" << 7 << "1,2,5" << "1.2" << "1,2,5" << 2 << 0;
        QTest::newRow("decimal comma: point enters the comma") << decimal << 1 << "ru_RU" << 7 << "1.5" << "1.5" << "1,5" << 2 << 0;
        QTest::newRow("decimal comma: above the bound") << decimal << 2 << "ru_RU" << 7 << "1000,5" << "1000" << "1000,00" << 4 << 0;
        QTest::newRow("decimal point: full precision") << decimal << 1 << "en_US" << 7 << "2.75" << "2.75" << "2.75" << 3 << 0;
        QTest::newRow("decimal point: comma enters the point") << decimal << 1 << "en_US" << 7 << "2,5" << "2.5" << "2.5" << 2 << 0;
        QTest::newRow("whole point locale: point refused") << whole << 0 << "en_US" << 7 << "3.5" << "35" << "35" << 2 << 1;
    }
    void typing()
    {
        QFETCH(ui::SpinKind, kind);
        QFETCH(int, decimals);
        QFETCH(QString, locale);
        QFETCH(int, start);
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(int, notifications);
        QFETCH(int, beeps);

        QLocale::setDefault(QLocale(locale));
        makeBox(kind, decimals, start);
        QSignalSpy changes(m_spin, &ui::SpinEdit::valueChanged);
        m_spin->selectAll();
        QTest::keyClicks(m_spin, typed);

        QVERIFY2(m_spin->value() == numbers::longDouble(value),
                 qPrintable(QString::number(double(m_spin->value()))));
        QCOMPARE(m_spin->text(), text);
        QCOMPARE(changes.size(), notifications);
        QCOMPARE(m_dialogs->beeps, beeps);
    }

    void separatorKeys_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<ui::SpinKind>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("text");  // after "0", the key, "5"
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("beeps");

        const auto whole = ui::SpinKind::WholeNumber;
        const auto decimal = ui::SpinKind::Decimal;
        const int point = Qt::Key_Period;
        const int comma = Qt::Key_Comma;
        QTest::newRow("ru, decimal: point") << "ru_RU" << decimal << point << false << "0,5" << "0.5" << 0;
        QTest::newRow("ru, decimal: comma") << "ru_RU" << decimal << comma << false << "0,5" << "0.5" << 0;
        QTest::newRow("ru, decimal: keypad point") << "ru_RU" << decimal << point << true << "0,5" << "0.5" << 0;
        QTest::newRow("ru, decimal: keypad comma") << "ru_RU" << decimal << comma << true << "0,5" << "0.5" << 0;
        QTest::newRow("en, decimal: point") << "en_US" << decimal << point << false << "0.5" << "0.5" << 0;
        QTest::newRow("en, decimal: keypad point") << "en_US" << decimal << point << true << "0.5" << "0.5" << 0;
        // The box shows no digit groups: either key is the separator in every locale.
        QTest::newRow("en, decimal: comma") << "en_US" << decimal << comma << false << "0.5" << "0.5" << 0;
        QTest::newRow("de, decimal: keypad point") << "de_DE" << decimal << point << true << "0,5" << "0.5" << 0;
        QTest::newRow("de, decimal: point") << "de_DE" << decimal << point << false << "0,5" << "0.5" << 0;
        QTest::newRow("de, decimal: comma") << "de_DE" << decimal << comma << false << "0,5" << "0.5" << 0;
        QTest::newRow("ru, whole: point") << "ru_RU" << whole << point << false << "05" << "5" << 1;
        QTest::newRow("ru, whole: keypad comma") << "ru_RU" << whole << comma << true << "05" << "5" << 1;
        QTest::newRow("en, whole: keypad point") << "en_US" << whole << point << true << "05" << "5" << 1;
    }
    void separatorKeys()
    {
        QFETCH(QString, locale);
        QFETCH(ui::SpinKind, kind);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, text);
        QFETCH(QString, value);
        QFETCH(int, beeps);

        QLocale::setDefault(QLocale(locale));
        makeBox(kind, 2, 7);
        m_spin->selectAll();
        QTest::keyClick(m_spin, Qt::Key_0);
        QTest::keyClick(m_spin, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QTest::keyClick(m_spin, Qt::Key_5);

        QCOMPARE(m_spin->text(), text);
        QVERIFY2(m_spin->value() == numbers::longDouble(value),
                 qPrintable(QString::number(double(m_spin->value()))));
        QCOMPARE(m_dialogs->beeps, beeps);
    }

    void keyboardFocusSelectsTheText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("selected");
        QTest::newRow("Tab") << "tab" << true;
        QTest::newRow("Shift+Tab") << "backtab" << true;
        QTest::newRow("access key") << "access key" << true;
        QTest::newRow("shown page hands the focus on") << "page" << true;
        QTest::newRow("a click places the caret") << "click" << false;
    }
    void keyboardFocusSelectsTheText()
    {
        QFETCH(QString, path);
        QFETCH(bool, selected);

        QWidget form;
        auto *before = new QLineEdit(&form);
        auto *caption = new QLabel(QStringLiteral("Длина &1"), &form);
        auto *pages = new QStackedWidget(&form);
        auto *first = new QLineEdit;
        auto *page = new QWidget;
        auto *spin = new ProbedSpinEdit;
        spin->setParent(page);
        spin->setKind(ui::SpinKind::Decimal);
        spin->setDecimals(1);
        spin->setRange(0, 1000);
        spin->resize(100, 26);
        pages->addWidget(first);
        pages->addWidget(page);
        auto *after = new QLineEdit(&form);
        caption->setBuddy(spin);
        auto *column = new QVBoxLayout(&form);
        for (QWidget *w : {static_cast<QWidget *>(before), static_cast<QWidget *>(caption),
                           static_cast<QWidget *>(pages), static_cast<QWidget *>(after)})
            column->addWidget(w);
        QWidget::setTabOrder(before, first);
        QWidget::setTabOrder(first, spin);
        QWidget::setTabOrder(spin, after);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        if (path == "page") {
            first->setFocus();
            pages->setCurrentIndex(1);
        } else {
            pages->setCurrentIndex(1);
            if (path == "tab") {
                before->setFocus();
                QTest::keyClick(before, Qt::Key_Tab);
            } else if (path == "backtab") {
                after->setFocus();
                QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
            } else if (path == "access key") {
                before->setFocus();
                QTest::keyClick(before, Qt::Key_1, Qt::AltModifier);
            } else {
                before->setFocus();
                QTest::mouseClick(spin->edit(), Qt::LeftButton, {}, QPoint(4, spin->edit()->height() / 2));
            }
        }
        QCOMPARE(QApplication::focusWidget(), spin);
        QCOMPARE(spin->edit()->hasSelectedText(), selected);
        if (selected) {
            QTest::keyClick(spin, Qt::Key_2);
            QCOMPARE(spin->text(), QString("2"));
            QVERIFY(spin->value() == 2);
        }
    }

    void enterIsLeftToTheWindow()
    {
        makeBox(ui::SpinKind::WholeNumber, 0, 7);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(m_spin, &enter);
        QVERIFY(!enter.isAccepted());
        QCOMPARE(m_dialogs->beeps, 0);
        QCOMPARE(m_spin->text(), QString("7"));
    }

    void paste_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("notifications");
        QTest::addColumn<int>("refusals");

        QTest::newRow("number") << "250" << "250" << "250" << 1 << 0;
        QTest::newRow("letters refused whole") << "12ab" << "7" << "7,0" << 0 << 1;
        QTest::newRow("one letter refused") << "a" << "7" << "7,0" << 0 << 1;
        QTest::newRow("the other separator is the separator") << "7.25" << "7.25" << "7,25" << 1 << 0;
        QTest::newRow("two separators refused") << "1,2.5" << "7" << "7,0" << 0 << 1;
        QTest::newRow("decimal kept unrounded") << "3,14159" << "3.14159" << "3,14159" << 1 << 0;
        QTest::newRow("negative limited and rewritten") << "-3" << "0" << "0,0" << 1 << 0;
        QTest::newRow("too large limited and rewritten") << "5000" << "1000" << "1000,0" << 1 << 0;
    }
    void paste()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(int, notifications);
        QFETCH(int, refusals);

        makeBox(ui::SpinKind::Decimal, 1, 7);
        QApplication::clipboard()->setText(clipboard);
        QSignalSpy changes(m_spin, &ui::SpinEdit::valueChanged);
        m_spin->selectAll();
        QTest::keyClick(m_spin, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents(); // the refusal is shown once the paste is over

        QVERIFY(m_spin->value() == numbers::longDouble(value));
        QCOMPARE(m_spin->text(), text);
        QCOMPARE(changes.size(), notifications);
        QCOMPARE(m_dialogs->messages.size(), refusals);
        QCOMPARE(m_dialogs->beeps, refusals);
    }

    // Emptied or unreadable, a box shows the value in use again once the
    // user leaves it (before a calculation: the coil window's tests).
    void unreadableTextShowsTheValueAgain_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("emptied") << "";
        QTest::newRow("a lone minus") << "-";
    }
    void unreadableTextShowsTheValueAgain()
    {
        QFETCH(QString, typed);

        makeBox(ui::SpinKind::Decimal, 1, 7.26L);
        m_spin->selectAll();
        QTest::keyClick(m_spin, Qt::Key_Backspace);
        QTest::keyClicks(m_spin, typed);
        QCOMPARE(m_spin->text(), typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(m_spin, &out);
        QCOMPARE(m_spin->text(), QString("7,3"));
        QVERIFY(m_spin->value() == 7.26L);
    }

    void settingAlwaysNotifies_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("text");

        QTest::newRow("new value") << 3 << 9 << "9";
        QTest::newRow("same value") << 9 << 9 << "9";
        QTest::newRow("limited below") << 3 << -4 << "0";
        QTest::newRow("limited above") << 3 << 2000 << "1000";
    }
    void settingAlwaysNotifies()
    {
        QFETCH(int, start);
        QFETCH(int, set);
        QFETCH(QString, text);

        makeBox(ui::SpinKind::WholeNumber, 0, start);
        QSignalSpy changes(m_spin, &ui::SpinEdit::valueChanged);
        m_spin->setValue(set);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(m_spin->text(), text);
    }

    void steps_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");

        QTest::newRow("up key") << "up" << 5 << 6;
        QTest::newRow("down key") << "down" << 5 << 4;
        QTest::newRow("down key at the lower bound") << "down" << 0 << 0;
        QTest::newRow("up key at the upper bound") << "up" << 1000 << 1000;
        QTest::newRow("wheel towards the user") << "wheel towards" << 5 << 6;
        QTest::newRow("wheel away from the user") << "wheel away" << 5 << 4;
        QTest::newRow("click on the up arrow") << "up arrow" << 5 << 6;
        QTest::newRow("click on the down arrow") << "down arrow" << 5 << 4;
    }
    void steps()
    {
        QFETCH(QString, how);
        QFETCH(int, start);
        QFETCH(int, expected);

        makeBox(ui::SpinKind::WholeNumber, 0, start);
        QSignalSpy changes(m_spin, &ui::SpinEdit::valueChanged);
        if (how == "up")
            QTest::keyClick(m_spin, Qt::Key_Up);
        else if (how == "down")
            QTest::keyClick(m_spin, Qt::Key_Down);
        else if (how == "wheel towards")
            turnWheel(m_spin, -QWheelEvent::DefaultDeltasPerStep);
        else if (how == "wheel away")
            turnWheel(m_spin, QWheelEvent::DefaultDeltasPerStep);
        else
            QTest::mouseClick(m_spin, Qt::LeftButton, {},
                              m_spin->arrowCentre(how == "up arrow" ? QStyle::SC_SpinBoxUp
                                                                    : QStyle::SC_SpinBoxDown));

        QVERIFY(m_spin->value() == expected);
        QCOMPARE(m_spin->text(), QString::number(expected));
        QCOMPARE(changes.size(), 1); // also at a bound
    }

    void stepKeepsFullPrecision()
    {
        makeBox(ui::SpinKind::Decimal, 1, 0);
        m_spin->setIncrement(0.5L);
        m_spin->selectAll();
        QTest::keyClicks(m_spin, "1,2345");
        QTest::keyClick(m_spin, Qt::Key_Up);
        QVERIFY(m_spin->value() == numbers::longDouble(QStringLiteral("1.2345")) + 0.5L);
        QCOMPARE(m_spin->text(), QString("1,7"));
    }

    void halfWheelNotchesAddUp()
    {
        makeBox(ui::SpinKind::WholeNumber, 0, 5);
        turnWheel(m_spin, -60);
        QVERIFY(m_spin->value() == 5);
        turnWheel(m_spin, -60);
        QVERIFY(m_spin->value() == 6);
    }

    void clickStepsOnRelease()
    {
        makeBox(ui::SpinKind::WholeNumber, 0, 5);
        const QPoint up = m_spin->arrowCentre(QStyle::SC_SpinBoxUp);
        QTest::mousePress(m_spin, Qt::LeftButton, {}, up);
        QVERIFY(m_spin->value() == 5);
        QTest::mouseRelease(m_spin, Qt::LeftButton, {}, up);
        QVERIFY(m_spin->value() == 6);
    }

    void clickOnTheTextDoesNotStep()
    {
        makeBox(ui::SpinKind::WholeNumber, 0, 5);
        QTest::mouseClick(m_spin, Qt::LeftButton, {}, QPoint(4, m_spin->height() / 2));
        QVERIFY(m_spin->value() == 5);
    }

    void holdRepeatsAfterPause_data()
    {
        QTest::addColumn<int>("arrow");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<int>("steps");

        // Repeated steps at 600, 700, ... ms after the press, one more at the release.
        QTest::newRow("up, shorter than the wait") << int(QStyle::SC_SpinBoxUp) << 1 << 450 << 1;
        QTest::newRow("up, 550 ms") << int(QStyle::SC_SpinBoxUp) << 1 << 550 << 1;
        QTest::newRow("up, 620 ms") << int(QStyle::SC_SpinBoxUp) << 1 << 620 << 2;
        QTest::newRow("up, 1450 ms") << int(QStyle::SC_SpinBoxUp) << 1 << 1450 << 10;
        QTest::newRow("down, 620 ms") << int(QStyle::SC_SpinBoxDown) << -1 << 620 << 2;
        QTest::newRow("down, 1450 ms") << int(QStyle::SC_SpinBoxDown) << -1 << 1450 << 10;
    }
    void holdRepeatsAfterPause()
    {
        QFETCH(int, arrow);
        QFETCH(int, direction);
        QFETCH(int, heldMs);
        QFETCH(int, steps);

        makeBox(ui::SpinKind::WholeNumber, 0, 50);
        auto *timer = m_spin->findChild<QTimer *>("repeatTimer");
        QVERIFY(timer);
        const QPoint at = m_spin->arrowCentre(QStyle::SubControl(arrow));

        QTest::mousePress(m_spin, Qt::LeftButton, {}, at);
        // Simulated time: the timer fires whenever its interval has run out.
        int now = 0;
        while (timer->isActive() && now + timer->interval() <= heldMs) {
            now += timer->interval();
            fireTimer(timer);
        }
        QTest::mouseRelease(m_spin, Qt::LeftButton, {}, at);
        QVERIFY(!timer->isActive());
        QCOMPARE(int(m_spin->value()) - 50, steps * direction);

        // The next press waits the full pause again.
        QTest::mousePress(m_spin, Qt::LeftButton, {}, at);
        QCOMPARE(timer->interval(), 500);
        fireTimer(timer); // 500 ms: no step yet
        QTest::mouseRelease(m_spin, Qt::LeftButton, {}, at);
        QCOMPARE(int(m_spin->value()) - 50, (steps + 1) * direction);
    }

    void programTextIgnoresMaxLength_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");

        // 3 decimals, 6 characters, up to 100: as the turns tab's inductance.
        QTest::newRow("above the bound") << "101" << "100,000";
        QTest::newRow("within the bound stays as typed") << "99,5" << "99,5";
    }
    void programTextIgnoresMaxLength()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);

        makeBox(ui::SpinKind::Decimal, 3, 0);
        m_spin->setRange(0, 100);
        m_spin->setMaxLength(6);
        m_spin->selectAll();
        QTest::keyClicks(m_spin, typed);
        QCOMPARE(m_spin->text(), text);

        m_spin->setValue(12.5L);
        QCOMPARE(m_spin->text(), QString("12,500"));
        m_spin->setValue(100);
        QCOMPARE(m_spin->text(), QString("100,000"));
    }

    void userTypesNoMoreThanMaxLength()
    {
        makeBox(ui::SpinKind::Decimal, 3, 0);
        m_spin->setRange(0, 100);
        m_spin->setMaxLength(6);
        m_spin->setValue(100);
        // Past the limit nothing more goes in, not even a replaced character.
        m_spin->edit()->end(false);
        QTest::keyClick(m_spin, Qt::Key_5);
        QCOMPARE(m_spin->text(), QString("100,000"));
        m_spin->edit()->setSelection(0, 1);
        QTest::keyClick(m_spin, Qt::Key_2);
        QCOMPARE(m_spin->text(), QString("100,000"));
        // Shortening it is allowed; then it fills up to the limit only.
        m_spin->edit()->end(false);
        QTest::keyClick(m_spin, Qt::Key_Backspace);
        QCOMPARE(m_spin->text(), QString("100,00"));
        QTest::keyClick(m_spin, Qt::Key_7);
        QCOMPARE(m_spin->text(), QString("100,00"));
        m_spin->selectAll();
        QTest::keyClicks(m_spin, "12,34567");
        QCOMPARE(m_spin->text(), QString("12,345"));
    }
};

QTEST_MAIN(TestSpinEdit)
#include "test_spinedit.moc"
