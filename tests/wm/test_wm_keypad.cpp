// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as the X server delivers them (xdotool through XTEST): the decimal
// point of the main keyboard and of the keypad in the coil window's boxes and
// in the main window's nominal, in three locales, and the keypad's Enter in
// the main window.
#include "WmProbe.h"

#include "coil/CalculationState.h"
#include "coil/window/InductanceTab.h"
#include "coil/window/Kontura.h"
#include "coil/window/ResultsLog.h"
#include "resistor/Main.h"
#include "support/FakeDialogs.h"
#include "ui/ComboBox.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"

#include <QRadioButton>

#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
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

// The main window on screen and active, with its settings in a folder of its
// own, in the given locale; its nominal box has the focus, its text selected.
struct ShownMainWindow
{
    // The locale is set before the window is made, which reads it.
    explicit ShownMainWindow(const QLocale &locale)
        : localeSet((QLocale::setDefault(locale), true))
    {
    }
    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window, 10000))
            return false;
        nominalBox->setFocus();
        nominalBox->selectAll();
        return true;
    }

    bool localeSet;
    FakeDialogs dialogs;
    QTemporaryDir dir;
    TfmMain window{dir.filePath(QStringLiteral("bandimor.ini"))};
    ui::SpinEdit *nominalBox = window.findChild<ui::SpinEdit *>(QStringLiteral("spSkinSpinEdit1"));
};

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
        // Either key and the keypad's decimal are the separator in every locale.
        for (const char *locale : {"ru_RU", "en_US", "de_DE"}) {
            for (const char *key : {"comma", "period", "KP_Decimal"})
                QTest::addRow("%s, %s", locale, key) << locale << key;
        }
    }
    void separatorKeys()
    {
        QFETCH(QString, locale);
        QFETCH(QString, key);

        QLocale::setDefault(QLocale(locale));
        const QString point = QLocale().decimalPoint();
        FakeDialogs dialogs;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        coil::resetCalculationState();
        TfmContura window(nullptr, dir.path() + QLatin1Char('/'));
        window.setSettingsFilePath(dir.filePath(QStringLiteral("bandimor.ini")));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, 10000));
        ui::SpinEdit *wire = window.Tab1->Edit4;
        ui::SpinEdit *turns = window.Tab1->Edit3;

        wire->setFocus();
        wire->selectAll();
        QVERIFY(pressKeys({QStringLiteral("0"), key, QStringLiteral("5")}));
        QVERIFY2(QTest::qWaitFor([&] { return wire->text() == "0" + point + "5"; }, 5000),
                 qPrintable(wire->text()));
        turns->setFocus();
        turns->selectAll();
        QVERIFY(pressKeys({QStringLiteral("2"), key, QStringLiteral("5"), QStringLiteral("Return")}));
        QVERIFY2(QTest::qWaitFor([&] { return window.RichEdit1->lineCount() > 0; }, 5000),
                 qPrintable(turns->text()));

        QCOMPARE(turns->text(), "2" + point + "5");
        QVERIFY(wire->value() == 0.5L);
        QVERIFY(turns->value() == 2.5L);
        // The block prints what the boxes show.
        const QString log = window.RichEdit1->toPlainText();
        QVERIFY2(log.contains(QStringLiteral("Диаметр провода: 0") + point + "5"), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("Кол-во витков: 2") + point + "5"), qPrintable(log));
        QCOMPARE(dialogs.beeps, 0);
    }

    void nominalTakesADecimalPoint_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("nominal");
        QTest::newRow("ru, point") << "ru_RU" << "period" << "4,7  КОм";
        QTest::newRow("en, point") << "en_US" << "period" << "4.7  КОм";
        QTest::newRow("de, keypad decimal") << "de_DE" << "KP_Decimal" << "4,7  КОм";
    }
    void nominalTakesADecimalPoint()
    {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QString, nominal);

        ShownMainWindow shown{QLocale(locale)};
        QVERIFY(shown.dir.isValid());
        TfmMain &window = shown.window;
        window.findChild<ui::RadioGroup *>(QStringLiteral("spSkinRadioGroup2"))->button(0)->click();
        QVERIFY(shown.show());
        ui::SpinEdit *spin = shown.nominalBox;

        QVERIFY(pressKeys({QStringLiteral("4"), key, QStringLiteral("7"), QStringLiteral("Return")}));

        auto *label = window.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY2(QTest::qWaitFor([&] { return label->text() == nominal; }, 5000), qPrintable(label->text()));
        QCOMPARE(spin->text(), "4" + QLocale().decimalPoint() + "7");
        QCOMPARE(window.findChild<ui::ComboBox *>(QStringLiteral("spSkinComboBox4"))->currentText(),
                 QStringLiteral("красный"));
    }

    void keypadEnterEncodes()
    {
        ShownMainWindow shown{QLocale(QLocale::Russian, QLocale::Russia)};
        QVERIFY(shown.dir.isValid());
        TfmMain &window = shown.window;
        ui::SpinEdit *spin = shown.nominalBox;
        QVERIFY(spin);
        QVERIFY(shown.show());

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
