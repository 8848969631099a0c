// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as the X server delivers them (xdotool through XTEST): the decimal
// point of the main keyboard and of the keypad in a decimal spin box, and the
// keypad's Enter in the main window.
#include "WmProbe.h"

#include "resistor/Main.h"
#include "support/FakeDialogs.h"
#include "ui/ComboBox.h"
#include "ui/SpinEdit.h"

#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool pressKeys(const QStringList &keys)
{
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + keys);
}

} // namespace

class TestWmKeypad : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
    }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
    }

    void separatorKeys_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("ru, keypad decimal") << "ru_RU" << "KP_Decimal" << "0,5";
        QTest::newRow("ru, point") << "ru_RU" << "period" << "0,5";
        QTest::newRow("ru, comma") << "ru_RU" << "comma" << "0,5";
        QTest::newRow("en, keypad decimal") << "en_US" << "KP_Decimal" << "0.5";
        QTest::newRow("en, comma refused") << "en_US" << "comma" << "05";
    }
    void separatorKeys()
    {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QString, text);

        QLocale::setDefault(QLocale(locale));
        FakeDialogs dialogs;
        QWidget window;
        auto *spin = new ui::SpinEdit(&window);
        spin->setKind(ui::SpinKind::Decimal);
        spin->setDecimals(2);
        spin->setRange(0, 1000);
        spin->setValue(7);
        (new QVBoxLayout(&window))->addWidget(spin);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, 10000));
        spin->setFocus();
        spin->selectAll();

        QVERIFY(pressKeys({QStringLiteral("0"), key, QStringLiteral("5")}));

        QVERIFY2(QTest::qWaitFor([&] { return spin->text() == text; }, 5000), qPrintable(spin->text()));
        QCOMPARE(spin->value() == 0.5L, text != "05");
        QCOMPARE(dialogs.beeps, text == "05" ? 1 : 0);
    }

    void keypadEnterEncodes()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        FakeDialogs dialogs;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TfmMain window(dir.filePath(QStringLiteral("bandimor.ini")));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, 10000));
        auto *spin = window.findChild<ui::SpinEdit *>(QStringLiteral("spSkinSpinEdit1"));
        QVERIFY(spin);
        spin->setFocus();
        spin->selectAll();

        QVERIFY(pressKeys({QStringLiteral("KP_4"), QStringLiteral("KP_7"), QStringLiteral("KP_Enter")}));

        auto *first = window.findChild<ui::ComboBox *>(QStringLiteral("spSkinComboBox1"));
        auto *nominal = window.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY2(QTest::qWaitFor([&] { return nominal->text() == QStringLiteral("47  Ом"); }, 5000),
                 qPrintable(nominal->text()));
        QCOMPARE(first->currentText(), QStringLiteral("жёлтый"));
        QCOMPARE(spin->text(), QStringLiteral("47"));
    }
};

QTEST_MAIN(TestWmKeypad)
#include "test_wm_keypad.moc"
