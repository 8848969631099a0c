// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down list and the radio group: which changes notify and which
// indices they take.
#include "ui/ComboBox.h"
#include "ui/RadioGroup.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestChoiceControls : public QObject
{
    Q_OBJECT
private slots:
    void comboSetByProgram_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("notifications");

        QTest::newRow("another item") << 0 << 2 << 2 << "синий" << 1;
        QTest::newRow("the item already shown") << 1 << 1 << 1 << "зелёный" << 0;
        QTest::newRow("none keeps the shown text") << 1 << -1 << -1 << "зелёный" << 0;
        QTest::newRow("beyond the last item counts as none") << 1 << 3 << -1 << "зелёный" << 0;
        QTest::newRow("below -1 counts as none") << 2 << -7 << -1 << "синий" << 0;
    }
    void comboSetByProgram()
    {
        QFETCH(int, start);
        QFETCH(int, set);
        QFETCH(int, index);
        QFETCH(QString, shown);
        QFETCH(int, notifications);

        ui::ComboBox combo;
        combo.addItems({"красный", "зелёный", "синий"});
        combo.setItemIndex(start);
        QSignalSpy changes(&combo, &ui::ComboBox::changed);
        combo.setItemIndex(set);
        QCOMPARE(combo.itemIndex(), index);
        QCOMPARE(combo.currentText(), shown);
        QCOMPARE(changes.size(), notifications);
    }

    void comboItemsWithTheSameTextDoNotNotify()
    {
        ui::ComboBox combo;
        combo.addItems({"чёрный", "чёрный"});
        QSignalSpy changes(&combo, &ui::ComboBox::changed);
        combo.setItemIndex(1);
        QCOMPARE(combo.itemIndex(), 1);
        QCOMPARE(changes.size(), 0);
    }

    void comboShownItemAfterNoneIsPickedAgainSilently()
    {
        ui::ComboBox combo;
        combo.addItems({"красный", "зелёный"});
        combo.setItemIndex(1);
        combo.setItemIndex(-1);
        QSignalSpy changes(&combo, &ui::ComboBox::changed);
        combo.setItemIndex(1);
        QCOMPARE(combo.itemIndex(), 1);
        QCOMPARE(changes.size(), 0);
        // and by the user's choice from the list
        combo.setItemIndex(-1);
        emit combo.activated(1);
        QCOMPARE(combo.itemIndex(), 1);
        QCOMPARE(changes.size(), 0);
    }

    void comboUserChoiceNotifies()
    {
        ui::ComboBox combo;
        combo.addItems({"красный", "зелёный", "синий"});
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        combo.setFocus();
        QSignalSpy changes(&combo, &ui::ComboBox::changed);
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.itemIndex(), 1);
        QCOMPARE(changes.size(), 1);
    }

    void radioSetByProgram_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("notifications");

        QTest::newRow("another item") << 1 << 2 << 2 << 1;
        QTest::newRow("the same item") << 1 << 1 << 1 << 0;
        QTest::newRow("none") << 1 << -1 << -1 << 1;
        QTest::newRow("none again") << -1 << -1 << -1 << 0;
        QTest::newRow("beyond the last limited to the last") << 0 << 9 << 2 << 1;
        QTest::newRow("beyond the last when already last") << 2 << 9 << 2 << 0;
        QTest::newRow("below -1 limited to none") << 0 << -5 << -1 << 1;
    }
    void radioSetByProgram()
    {
        QFETCH(int, start);
        QFETCH(int, set);
        QFETCH(int, index);
        QFETCH(int, notifications);

        ui::RadioGroup group;
        group.setItems({"три", "чет.", "пять"}, 3);
        group.setItemIndex(start);
        QSignalSpy clicks(&group, &ui::RadioGroup::itemClicked);
        group.setItemIndex(set);
        QCOMPARE(group.itemIndex(), index);
        QCOMPARE(clicks.size(), notifications);
        for (int i = 0; i < group.count(); ++i)
            QCOMPARE(group.button(i)->isChecked(), i == index);
    }

    void radioClicks_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("notifications");

        QTest::newRow("another item") << 1 << 0 << 1;
        QTest::newRow("the selected item") << 1 << 1 << 0;
        QTest::newRow("from none") << -1 << 2 << 1;
    }
    void radioClicks()
    {
        QFETCH(int, start);
        QFETCH(int, clicked);
        QFETCH(int, notifications);

        ui::RadioGroup group;
        group.setItems({"три", "чет.", "пять"}, 3);
        group.resize(200, 60);
        group.setItemIndex(start);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        QSignalSpy clicks(&group, &ui::RadioGroup::itemClicked);
        QRadioButton *button = group.button(clicked);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        QCOMPARE(group.itemIndex(), clicked);
        QCOMPARE(clicks.size(), notifications);
    }

    void comboAccessibleNameAndValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("named by its band") << "Полоса допуска" << "Полоса допуска";
        QTest::newRow("unnamed: the shown item") << "" << "красный";
    }
    void comboAccessibleNameAndValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, expectedName);
        ui::ComboBox combo;
        combo.addItems({QStringLiteral("чёрный"), QStringLiteral("коричневый"), QStringLiteral("красный")});
        combo.setAccessibleName(name);
        combo.setAccessibleDescription(QStringLiteral("Ну вот и полоса допуска !"));
        combo.setItemIndex(2);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&combo);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::ComboBox);
        QCOMPARE(accessible->text(QAccessible::Name), expectedName);
        QCOMPARE(accessible->text(QAccessible::Value), QString("красный"));
        QCOMPARE(accessible->text(QAccessible::Description), QString("Ну вот и полоса допуска !"));
        combo.setItemIndex(0);
        QCOMPARE(accessible->text(QAccessible::Value), QString("чёрный"));
        // The items stay reachable as the popup's list.
        QCOMPARE(accessible->childCount(), 1);
        QCOMPARE(accessible->child(0)->object(), static_cast<QObject *>(combo.view()));
    }

    void radioTabEntersOnTheSelectedItem_data()
    {
        QTest::addColumn<int>("selected");   // -1: none
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<int>("focused");

        QTest::newRow("none selected: the first") << -1 << false << 0;
        QTest::newRow("first selected") << 0 << false << 0;
        QTest::newRow("last selected by the program") << 2 << false << 2;
        QTest::newRow("middle selected by a click") << 1 << true << 1;
    }
    void radioTabEntersOnTheSelectedItem()
    {
        QFETCH(int, selected);
        QFETCH(bool, byClick);
        QFETCH(int, focused);

        QWidget window;
        auto *before = new QLineEdit(&window);
        auto *group = new ui::RadioGroup(&window);
        group->setObjectName(QStringLiteral("group"));
        group->setItems({QStringLiteral("три"), QStringLiteral("чет."), QStringLiteral("пять")}, 3);
        auto *after = new QLineEdit(&window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(group);
        layout->addWidget(after);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The focus visits the first item once, as a user's earlier visit would.
        group->button(0)->setFocus(Qt::TabFocusReason);
        if (byClick) {
            QRadioButton *item = group->button(selected);
            QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
        } else if (selected >= 0) {
            group->setItemIndex(selected);
        }

        before->setFocus(Qt::TabFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), group->button(focused));
        // One stop: the next Tab leaves the group.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QTest::keyClick(after, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), group->button(focused));
    }

    void radioItemsFillColumnsTopToBottom()
    {
        ui::RadioGroup group;
        group.setItems({"a", "b", "c", "d"}, 2);
        group.resize(200, 80);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        // a c
        // b d
        QCOMPARE(group.button(0)->x(), group.button(1)->x());
        QVERIFY(group.button(2)->x() > group.button(0)->x());
        QVERIFY(group.button(1)->y() > group.button(0)->y());
        QCOMPARE(group.button(2)->y(), group.button(0)->y());
    }
};

QTEST_MAIN(TestChoiceControls)
#include "test_choicecontrols.moc"
