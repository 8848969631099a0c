// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user sees and drives it: first display, band
// count, encoding by button, Enter and F2, the tooltip switch, settings,
// help and the openers of the other windows, and texts that fit their
// controls.
#include "base/AppInfo.h"
#include "resistor/Main.h"
#include "settings/IniFile.h"
#include "support/FakeDialogs.h"
#include "support/FakeOpener.h"
#include "support/FileHelpers.h"
#include "ui/DesktopOpener.h"
#include "ui/HelpFile.h"
#include "ui/ComboBox.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"
#include "ui/TooltipSwitch.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<TfmMain> m_window;

    QString settingsPath() const { return m_dir->filePath(QStringLiteral("bandimor.ini")); }

    void writeSettings(const QByteArray &text)
    {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    TfmMain *window()
    {
        if (!m_window)
            m_window = std::make_unique<TfmMain>(settingsPath());
        return m_window.get();
    }
    void showActive()
    {
        window()->show();
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }
    template <typename T> T *control(const char *name)
    {
        T *found = window()->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    ui::ComboBox *list(int number)
    {
        return control<ui::ComboBox>(qPrintable(QStringLiteral("spSkinComboBox%1").arg(number)));
    }
    QString label(const char *name) { return control<QLabel>(name)->text(); }
    void clickItem(const char *group, int index)
    {
        QRadioButton *button = control<ui::RadioGroup>(group)->button(index);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void typeNominal(const QString &digits)
    {
        auto *spin = control<ui::SpinEdit>("spSkinSpinEdit1");
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, digits);
    }
    QList<int> listIndices()
    {
        return {list(1)->itemIndex(), list(2)->itemIndex(), list(3)->itemIndex(),
                list(4)->itemIndex(), list(5)->itemIndex()};
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_dialogs = std::make_unique<FakeDialogs>();
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_dir.reset();
        QLocale::setDefault(QLocale::c());
    }

    void firstDisplayWithoutSettings()
    {
        QCOMPARE(window()->objectName(), QString("fmMain"));
        QCOMPARE(window()->windowTitle(), QString("Bandimor v 1.7"));
        QCOMPARE(window()->pos(), QPoint(193, 109));
        QCOMPARE(label("Label1"), QString("12  КОм"));
        QCOMPARE(label("Label2"), QString("  ± 5%"));
        QCOMPARE(list(1)->currentText(), QString("коричневый"));
        QCOMPARE(list(2)->currentText(), QString("красный"));
        QCOMPARE(list(4)->currentText(), QString("оранжевый"));
        QCOMPARE(list(5)->currentText(), QString("золотистый"));
        QVERIFY(list(3)->isHidden());
        QCOMPARE(list(3)->itemIndex(), 0);
        QCOMPARE(control<ui::RadioGroup>("spSkinRadioGroup1")->itemIndex(), 1);
        QCOMPARE(control<ui::RadioGroup>("spSkinRadioGroup2")->itemIndex(), 1);
        QVERIFY(control<ui::SpinEdit>("spSkinSpinEdit1")->value() == 0);
        QVERIFY(!control<QPushButton>("spSkinButton1")->isEnabled());
        QVERIFY(control<QAction>("N2")->isChecked());
        QVERIFY(control<ui::TooltipSwitch>("Hint1")->isOn());
    }

    // Every item shows a swatch of its colour beside its unchanged name, in
    // the drop-down list and in the closed box.
    void bandListsShowTheirColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("black") << "чёрный" << QColor(0x00, 0x00, 0x00);
        QTest::newRow("brown") << "коричневый" << QColor(0x8B, 0x45, 0x13);
        QTest::newRow("red") << "красный" << QColor(0xE0, 0x00, 0x00);
        QTest::newRow("orange") << "оранжевый" << QColor(0xFF, 0x8C, 0x00);
        QTest::newRow("yellow") << "жёлтый" << QColor(0xFF, 0xE0, 0x00);
        QTest::newRow("green") << "зелёный" << QColor(0x00, 0xA0, 0x40);
        QTest::newRow("blue") << "голубой" << QColor(0x20, 0x80, 0xFF);
        QTest::newRow("violet") << "фиолетовый" << QColor(0x8B, 0x00, 0xFF);
        QTest::newRow("grey") << "серый" << QColor(0x80, 0x80, 0x80);
        QTest::newRow("white") << "белый" << QColor(0xFF, 0xFF, 0xFF);
        QTest::newRow("gold") << "золотистый" << QColor(0xD4, 0xAF, 0x37);
        QTest::newRow("silver") << "серебристый" << QColor(0xC0, 0xC0, 0xC0);
    }

    void bandListsShowTheirColours()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        const auto near = [&colour](const QColor &seen) {
            return qAbs(seen.red() - colour.red()) <= 24 && qAbs(seen.green() - colour.green()) <= 24
                   && qAbs(seen.blue() - colour.blue()) <= 24;
        };
        showActive();
        int items = 0;
        for (int number = 1; number <= 5; ++number) {
            ui::ComboBox *combo = list(number);
            const int index = combo->findText(name, Qt::MatchExactly);
            if (index < 0)
                continue;
            ++items;
            const QImage swatch = combo->itemIcon(index).pixmap(combo->iconSize()).toImage();
            QVERIFY2(!swatch.isNull(), qPrintable(combo->objectName()));
            const QColor middle = swatch.pixelColor(swatch.width() / 2, swatch.height() / 2);
            QVERIFY2(near(middle), qPrintable(combo->objectName() + ": " + middle.name()));
            // A frame that stands out from a light and from a dark window.
            const QColor frame = swatch.pixelColor(0, swatch.height() / 2);
            QVERIFY2(frame.alpha() == 255 && qGray(frame.rgb()) > 0x40 && qGray(frame.rgb()) < 0xC0,
                     qPrintable(frame.name()));

            combo->setHidden(false);
            combo->setItemIndex(index);
            QCOMPARE(combo->currentText(), name);
            const QImage closed = combo->grab().toImage();
            bool shown = false;
            // Behind the arrow, right of the text.
            for (int x = closed.width() * 2 / 3; x < closed.width() && !shown; ++x)
                shown = near(closed.pixelColor(x, closed.height() / 2));
            QVERIFY2(shown, qPrintable(combo->objectName() + ": no swatch in the closed box"));
        }
        QVERIFY(items > 0);
    }

    void fixedClientArea()
    {
        showActive();
        QCOMPARE(window()->centralWidget()->size(), QSize(303, 264));
        QCOMPARE(window()->minimumSize(), window()->maximumSize());
        QVERIFY(!(window()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window()->windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void bandCount_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("thirdShown");
        QTest::addColumn<bool>("toleranceShown");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("tolerance");

        QTest::newRow("five bands") << 2 << true << true << "120  КОм" << "  ± 5%";
        QTest::newRow("three bands") << 0 << false << false << "12  КОм" << "  ± 20%";
    }
    void bandCount()
    {
        QFETCH(int, item);
        QFETCH(bool, thirdShown);
        QFETCH(bool, toleranceShown);
        QFETCH(QString, nominal);
        QFETCH(QString, tolerance);

        showActive();
        list(3)->setItemIndex(4); // the band count puts the third digit back to black
        list(5)->setItemIndex(7);
        clickItem("spSkinRadioGroup1", item);
        QCOMPARE(list(3)->isVisible(), thirdShown);
        QCOMPARE(list(3)->currentText(), QString("чёрный"));
        QCOMPARE(list(5)->isVisible(), toleranceShown);
        QCOMPARE(label("Label1"), nominal);
        QCOMPARE(label("Label2"), tolerance);
    }

    void fiveToFourBandsDropsTheThirdDigit()
    {
        showActive();
        clickItem("spSkinRadioGroup1", 2);
        list(3)->setItemIndex(7);
        QCOMPARE(label("Label1"), QString("127  КОм"));
        clickItem("spSkinRadioGroup1", 1);
        QVERIFY(list(3)->isHidden());
        QCOMPARE(list(3)->itemIndex(), 0);
        QCOMPARE(label("Label1"), QString("12  КОм"));
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("unit");        // 0 КОм, 1 Ом
        QTest::addColumn<int>("bandCount");   // 0 three, 1 four, 2 five
        QTest::addColumn<QString>("trigger"); // button, enter, f2
        QTest::addColumn<QStringList>("bands"); // first, second, third, multiplier
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("tolerance");

        QTest::newRow("5 Ом, button") << "ru_RU" << "5" << 1 << 1 << "button"
            << QStringList{"зелёный", "чёрный", "чёрный", "золотистый"} << "5  Ом" << "  ± 5%";
        QTest::newRow("5 Ом five bands, enter") << "ru_RU" << "5" << 1 << 2 << "enter"
            << QStringList{"зелёный", "чёрный", "чёрный", "серебристый"} << "5  Ом" << "  ± 5%";
        QTest::newRow("10 Ом, f2") << "ru_RU" << "10" << 1 << 1 << "f2"
            << QStringList{"коричневый", "чёрный", "чёрный", "чёрный"} << "10  Ом" << "  ± 5%";
        QTest::newRow("4799 Ом cut not rounded, button") << "ru_RU" << "4799" << 1 << 1 << "button"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "красный"} << "4,7  КОм" << "  ± 5%";
        QTest::newRow("4799 Ом five bands, f2") << "ru_RU" << "4799" << 1 << 2 << "f2"
            << QStringList{"жёлтый", "фиолетовый", "белый", "коричневый"} << "4790  Ом" << "  ± 5%";
        QTest::newRow("4799 Ом three bands, enter") << "ru_RU" << "4799" << 1 << 0 << "enter"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "красный"} << "4,7  КОм" << "  ± 20%";
        QTest::newRow("47 КОм, enter") << "ru_RU" << "47" << 0 << 1 << "enter"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "оранжевый"} << "47  КОм" << "  ± 5%";
        QTest::newRow("47 КОм five bands, button") << "ru_RU" << "47" << 0 << 2 << "button"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "красный"} << "47  КОм" << "  ± 5%";
        QTest::newRow("99999999 КОм, f2") << "ru_RU" << "99999999" << 0 << 1 << "f2"
            << QStringList{"белый", "белый", "чёрный", "белый"} << "99  ГОм" << "  ± 5%";
        QTest::newRow("99999999 КОм five bands, enter") << "ru_RU" << "99999999" << 0 << 2 << "enter"
            << QStringList{"белый", "белый", "белый", "серый"} << "99,9  ГОм" << "  ± 5%";
        QTest::newRow("47 КОм, keypad enter") << "ru_RU" << "47" << 0 << 1 << "keypad enter"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "оранжевый"} << "47  КОм" << "  ± 5%";
        QTest::newRow("4799 Ом, keypad enter in a band list") << "ru_RU" << "4799" << 1 << 1 << "keypad enter in a list"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "красный"} << "4,7  КОм" << "  ± 5%";
        QTest::newRow("4799 Ом point locale, button") << "en_US" << "4799" << 1 << 1 << "button"
            << QStringList{"жёлтый", "фиолетовый", "чёрный", "красный"} << "4.7  КОм" << "  ± 5%";
    }
    void encoding()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(int, unit);
        QFETCH(int, bandCount);
        QFETCH(QString, trigger);
        QFETCH(QStringList, bands);
        QFETCH(QString, nominal);
        QFETCH(QString, tolerance);

        QLocale::setDefault(QLocale(locale));
        showActive();
        if (bandCount != 1)
            clickItem("spSkinRadioGroup1", bandCount);
        if (unit != 1)
            clickItem("spSkinRadioGroup2", unit);
        typeNominal(typed);
        auto *calculate = control<QPushButton>("spSkinButton1");
        QVERIFY(calculate->isEnabled());

        auto *spin = control<ui::SpinEdit>("spSkinSpinEdit1");
        if (trigger == "button")
            QTest::mouseClick(calculate, Qt::LeftButton);
        else if (trigger == "enter")
            QTest::keyClick(spin, Qt::Key_Return);
        else if (trigger == "keypad enter")
            QTest::keyClick(spin, Qt::Key_Enter, Qt::KeypadModifier);
        else if (trigger == "keypad enter in a list") {
            list(4)->setFocus();
            QTest::keyClick(list(4), Qt::Key_Enter, Qt::KeypadModifier);
        } else
            QTest::keyClick(spin, Qt::Key_F2);

        QCOMPARE(list(1)->currentText(), bands.at(0));
        QCOMPARE(list(2)->currentText(), bands.at(1));
        QCOMPARE(list(3)->currentText(), bands.at(2));
        QCOMPARE(list(4)->currentText(), bands.at(3));
        QCOMPARE(label("Label1"), nominal);
        QCOMPARE(label("Label2"), tolerance);
        QCOMPARE(spin->text(), typed); // the input stays as typed
        QCOMPARE(m_dialogs->beeps, 0);
    }

    void nominalTheBandsCannotCarryIsRefused()
    {
        showActive();
        typeNominal("0,05");
        const QList<int> before = listIndices();
        QTest::keyClick(control<ui::SpinEdit>("spSkinSpinEdit1"), Qt::Key_F2);
        QCOMPARE(listIndices(), before);
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(m_dialogs->messages.first().text.contains("0,1 Ом"), qPrintable(m_dialogs->messages.first().text));
        QCOMPARE(control<ui::SpinEdit>("spSkinSpinEdit1")->text(), QString("0,05"));
    }

    void encodingKeepsTheTolerance()
    {
        showActive();
        list(5)->setItemIndex(7);
        typeNominal("33");
        QTest::keyClick(control<ui::SpinEdit>("spSkinSpinEdit1"), Qt::Key_F2);
        QCOMPARE(list(5)->currentText(), QString("серый"));
        QCOMPARE(label("Label2"), QString("  ± 0,05%"));
    }

    void zeroIsRefused_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("beeps");
        QTest::newRow("f2 beeps") << "f2" << 1;
        QTest::newRow("menu entry beeps") << "menu" << 1;
        QTest::newRow("enter does nothing while the button is disabled") << "enter" << 0;
    }
    void zeroIsRefused()
    {
        QFETCH(QString, trigger);
        QFETCH(int, beeps);

        showActive();
        typeNominal("47");
        QTest::keyClick(control<ui::SpinEdit>("spSkinSpinEdit1"), Qt::Key_F2);
        typeNominal("0");
        QVERIFY(!control<QPushButton>("spSkinButton1")->isEnabled());
        const QList<int> before = listIndices();
        const QString nominal = label("Label1");

        auto *spin = control<ui::SpinEdit>("spSkinSpinEdit1");
        if (trigger == "f2")
            QTest::keyClick(spin, Qt::Key_F2);
        else if (trigger == "menu")
            control<QAction>("N5")->trigger();
        else
            QTest::keyClick(spin, Qt::Key_Return);

        QCOMPARE(m_dialogs->beeps, beeps);
        QCOMPARE(listIndices(), before);
        QCOMPARE(label("Label1"), nominal);
    }

    void buttonFollowsTheValue()
    {
        showActive();
        auto *spin = control<ui::SpinEdit>("spSkinSpinEdit1");
        auto *calculate = control<QPushButton>("spSkinButton1");
        QTest::keyClick(spin, Qt::Key_Up);
        QVERIFY(calculate->isEnabled());
        QTest::keyClick(spin, Qt::Key_Down);
        QVERIFY(!calculate->isEnabled());
        typeNominal("-");
        QVERIFY(!calculate->isEnabled());
    }

    void tooltipSwitchWritesAtOnce()
    {
        showActive();
        auto *entry = control<QAction>("N2");
        auto *hints = control<ui::TooltipSwitch>("Hint1");

        entry->trigger();
        QVERIFY(!entry->isChecked());
        QVERIFY(!hints->isOn());
        QCOMPARE(settings::IniFile(settingsPath()).readBool("Settings", "Hints", true), false);
        auto *button = control<QPushButton>("spSkinButton2");
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(button, &help);
        QVERIFY(!QToolTip::isVisible());

        entry->trigger();
        QVERIFY(hints->isOn());
        QCOMPARE(settings::IniFile(settingsPath()).readBool("Settings", "Hints", false), true);
        QApplication::sendEvent(button, &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), button->toolTip());
        QToolTip::hideText();
    }

    void activationFollowsTheTick()
    {
        window();
        control<QAction>("N2")->setChecked(false); // not through N2Click
        QVERIFY(control<ui::TooltipSwitch>("Hint1")->isOn());
        showActive();
        QVERIFY(!control<ui::TooltipSwitch>("Hint1")->isOn());
    }

    // A stored place from which the window could not be reached is brought
    // onto the screen, whatever the numbers.
    void storedPlaceWithinReach_data()
    {
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("top");
        QTest::newRow("far right and far up") << QByteArray("5000") << QByteArray("-3000");
        QTest::newRow("title bar above the top edge") << QByteArray("-3") << QByteArray("-30");
        QTest::newRow("largest numbers") << QByteArray("2147483647") << QByteArray("-2147483648");
        QTest::newRow("largest numbers, hexadecimal") << QByteArray("0x7FFFFFFF") << QByteArray("0x7FFFFFFF");
    }

    void storedPlaceWithinReach()
    {
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, top);
        writeSettings("[WindowPos]\r\nMaTop=" + top + "\r\nMaLeft=" + left + "\r\n");
        showActive();
        QVERIFY2(window()->screen()->availableGeometry().contains(window()->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2").arg(window()->x()).arg(window()->y())));
    }

    void storedSettingsAreApplied()
    {
        writeSettings("[WindowPos]\r\nMaTop=0x40\r\nMaLeft=300\r\n"
                      "[Settings]\r\nHints=0\r\nTipSoprotki=2\r\nTipNomin=0\r\n");
        QCOMPARE(window()->pos(), QPoint(300, 64));
        QVERIFY(!control<QAction>("N2")->isChecked());
        QVERIFY(!control<ui::TooltipSwitch>("Hint1")->isOn());
        QCOMPARE(control<ui::RadioGroup>("spSkinRadioGroup1")->itemIndex(), 2);
        QCOMPARE(control<ui::RadioGroup>("spSkinRadioGroup2")->itemIndex(), 0);
        QVERIFY(!list(3)->isHidden());
        QCOMPARE(label("Label1"), QString("120  КОм"));
    }

    void closingStoresTheSettings()
    {
        showActive();
        clickItem("spSkinRadioGroup1", 0);
        clickItem("spSkinRadioGroup2", 0);
        const QPoint place = window()->pos();
        QTest::keyClick(control<ui::SpinEdit>("spSkinSpinEdit1"), Qt::Key_F12);
        QVERIFY(!window()->isVisible());

        const settings::IniFile ini(settingsPath());
        QCOMPARE(ini.readInteger("WindowPos", "MaTop", -1), place.y());
        QCOMPARE(ini.readInteger("WindowPos", "MaLeft", -1), place.x());
        QCOMPARE(ini.readBool("Settings", "Hints", false), true);
        QCOMPARE(ini.readInteger("Settings", "TipSoprotki", -1), 0);
        QCOMPARE(ini.readInteger("Settings", "TipNomin", -1), 0);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void unwritableSettingsDoNotKeepTheWindowOpen()
    {
        const QString path = m_dir->filePath(QStringLiteral("missing/bandimor.ini"));
        m_window = std::make_unique<TfmMain>(path);
        showActive();
        control<QPushButton>("spSkinButton2")->click();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QCOMPARE(m_dialogs->messages[0].text,
                 QString("Unable to write to %1.").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(m_dialogs->messages[0].icon, ui::Icon::Error);
        QVERIFY(!window()->isVisible());
    }

    void help_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<int>("openerStatus");  // -1: no opener on PATH
        QTest::addColumn<QString>("work");      // what the opener does first
        QTest::addColumn<QString>("message");   // empty: none

        const QString missing = ui::missingHelpFileText();
        const QString noViewer = ui::noHelpViewerText();
        QTest::newRow("opened") << true << 0 << QString() << QString();
        QTest::newRow("opener fails") << true << 1 << QString() << noViewer;
        QTest::newRow("opener fails after a second") << true << 4 << "/bin/sleep 1" << noViewer;
        QTest::newRow("no opener installed") << true << -1 << QString() << noViewer;
        QTest::newRow("help file missing") << false << 0 << QString() << missing;
    }

    // No shell reports a failure on Linux: the window says it, once the
    // opener has given up, and never tells to put back a file that is there.
    void help()
    {
        QFETCH(bool, fileThere);
        QFETCH(int, openerStatus);
        QFETCH(QString, work);
        QFETCH(QString, message);
        const QString helpPath = m_dir->filePath(QStringLiteral("Spravka.chm"));
        if (fileThere) {
            SKIP_WITHOUT_FAKE_OPENER();
            putFile(helpPath, "ITSF");
        }
        const FakeOpener opener(openerStatus >= 0 ? std::optional<int>(openerStatus) : std::nullopt, work);
        bool settled = false;
        m_dialogs->shell = [&settled](const QUrl &url, const std::function<void()> &onFailure) {
            ui::openWithDesktop(url.toLocalFile(), [&settled, onFailure](bool opened) {
                settled = true;
                if (!opened)
                    onFailure();
            });
        };
        window()->setProgramDir(m_dir->path() + QLatin1Char('/'));

        control<QAction>("N9")->trigger();
        if (fileThere) {
            // Nothing is said before the opener has answered.
            QVERIFY(m_dialogs->messages.isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(settled, 10000);
        }

        QCOMPARE(opener.calls(), fileThere && openerStatus >= 0 ? QStringList{helpPath} : QStringList());
        if (!message.isEmpty()) {
            QCOMPARE(m_dialogs->messages.size(), 1);
            QCOMPARE(m_dialogs->messages[0].text, message);
            QCOMPARE(m_dialogs->messages[0].caption, QStringLiteral("К сведению..."));
            QCOMPARE(m_dialogs->messages[0].icon, ui::Icon::Error);
        } else {
            QVERIFY(m_dialogs->messages.isEmpty());
        }
    }

    // A viewer that takes seconds to come up does not hold the window: its
    // events are handled while the opener still runs.
    void helpDoesNotHoldTheWindow()
    {
        SKIP_WITHOUT_FAKE_OPENER();
        putFile(m_dir->filePath(QStringLiteral("Spravka.chm")), "ITSF");
        const FakeOpener opener(0, QStringLiteral("/bin/sleep 5"));
        m_dialogs->shell = [](const QUrl &url, const std::function<void()> &onFailure) {
            ui::openWithDesktop(url.toLocalFile(), [onFailure](bool opened) {
                if (!opened)
                    onFailure();
            });
        };
        window()->setProgramDir(m_dir->path() + QLatin1Char('/'));
        showActive();

        control<QAction>("N9")->trigger();
        bool answered = false;
        bool openerEndedFirst = true;
        QTimer::singleShot(0, window(), [&] {
            answered = true;
            openerEndedFirst = opener.ended();
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered, 4000);
        QVERIFY(!openerEndedFirst);
        QTRY_COMPARE_WITH_TIMEOUT(opener.calls().size(), 1, 4000);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // F1 opens the help, as in the coil window, wherever the focus is.
    void f1OpensTheHelp()
    {
        const QString helpPath = m_dir->filePath(QStringLiteral("Spravka.chm"));
        putFile(helpPath, "ITSF");
        window()->setProgramDir(m_dir->path() + QLatin1Char('/'));
        showActive();

        QTest::keyClick(control<ui::SpinEdit>("spSkinSpinEdit1"), Qt::Key_F1);

        QCOMPARE(m_dialogs->shellRequests, QList<QUrl>{QUrl::fromLocalFile(helpPath)});
    }

    void openersRunForEachActivation()
    {
        int coilWindows = 0;
        int aboutBoxes = 0;
        window()->setCoilWindowOpener([&](TfmMain *owner) {
            QCOMPARE(owner, window());
            ++coilWindows;
        });
        window()->setAboutBoxOpener([&](TfmMain *) { ++aboutBoxes; });
        showActive();
        QTest::mouseClick(control<QToolButton>("Button1_Contura"), Qt::LeftButton);
        control<QAction>("N8")->trigger();
        control<QAction>("N3")->trigger();
        QCOMPARE(coilWindows, 2);
        QCOMPARE(aboutBoxes, 1);
    }

    void unsetOpenersDoNothing()
    {
        control<QAction>("N8")->trigger();
        control<QAction>("N3")->trigger();
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // Every text the fixed-size controls can show fits the room their style
    // gives it; too little room cuts the text off.
    void tabOrder_data()
    {
        QTest::addColumn<int>("bandCount");   // index of the band-count group
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("chain");

        // "Рассчитать" is disabled while the nominal is 0; the coil button is no stop.
        QTest::newRow("four bands, ohms")
            << 1 << 1
            << QStringList{"spSkinComboBox1", "spSkinComboBox2", "spSkinComboBox4", "spSkinComboBox5",
                           "spSkinButton2", "spSkinRadioGroup1_item1", "spSkinSpinEdit1",
                           "spSkinRadioGroup2_item1", "spSkinComboBox1"};
        QTest::newRow("five bands, kiloohms")
            << 2 << 0
            << QStringList{"spSkinComboBox1", "spSkinComboBox2", "spSkinComboBox3", "spSkinComboBox4",
                           "spSkinComboBox5", "spSkinButton2", "spSkinRadioGroup1_item2",
                           "spSkinSpinEdit1", "spSkinRadioGroup2_item0", "spSkinComboBox1"};
        QTest::newRow("three bands")
            << 0 << 1
            << QStringList{"spSkinComboBox1", "spSkinComboBox2", "spSkinComboBox4", "spSkinButton2",
                           "spSkinRadioGroup1_item0", "spSkinSpinEdit1", "spSkinRadioGroup2_item1",
                           "spSkinComboBox1"};
    }
    void tabOrder()
    {
        QFETCH(int, bandCount);
        QFETCH(int, unit);
        QFETCH(QStringList, chain);

        showActive();
        control<ui::RadioGroup>("spSkinRadioGroup1")->setItemIndex(bandCount);
        control<ui::RadioGroup>("spSkinRadioGroup2")->setItemIndex(unit);
        list(1)->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < chain.size(); ++i) {
            // A spin box's line edit stands for the spin box.
            QWidget *focus = QApplication::focusWidget();
            while (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget();
            visited << (focus ? focus->objectName() : QString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, chain);
    }

    void f10OpensTheFileMenu()
    {
        showActive();
        list(1)->setFocus();
        QTest::keyClick(list(1), Qt::Key_F10);
        QMenu *file = control<QMenu>("N1");
        QCOMPARE(window()->menuBar()->activeAction(), file->menuAction());
        QVERIFY(QTest::qWaitFor([file] { return file->isVisible(); }));
        file->hide();
    }

    void resultsAreNamedForScreenReaders_data()
    {
        QTest::addColumn<int>("firstBand");   // index in the first list, -1: as designed
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("tolerance");
        QTest::newRow("design bands") << -1 << "Номинал: 12 КОм" << "Допуск: ± 5%";
        QTest::newRow("first band changed") << 3 << "Номинал: 42 КОм" << "Допуск: ± 5%";
    }
    void resultsAreNamedForScreenReaders()
    {
        QFETCH(int, firstBand);
        QFETCH(QString, nominal);
        QFETCH(QString, tolerance);
        window();
        if (firstBand >= 0)
            list(1)->setItemIndex(firstBand);
        const auto name = [this](const char *label) {
            return QAccessible::queryAccessibleInterface(control<QLabel>(label))->text(QAccessible::Name);
        };
        QCOMPARE(name("Label1"), nominal);
        QCOMPARE(name("Label2"), tolerance);
    }

    // The line on standard values below the tolerance: for the bands, or for
    // the nominal just encoded while the lists show its bands; read in full by
    // screen readers, and never cut short on screen.
    void seriesLine_data()
    {
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<QList<int>>("bands");  // list indices 1 to 5, -1: as they are
        QTest::addColumn<QString>("typed");     // a nominal encoded after the bands are set
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("blue misread as violet") << 1 << QList<int>{4, 7, -1, 4, 1} << QString()
                                                << "Вне E24: 5,6 и 6,2 КОм"
                                                << "Номинал 5,7 КОм не из ряда E24 (допуск ± 5%); "
                                                   "ближайшие стандартные 5,6 и 6,2 КОм.";
        QTest::newRow("longest, two units") << 2 << QList<int>{8, 9, 9, 2, 4} << QString()
                                            << "Вне E192: 988 Ом и 1 КОм"
                                            << "Номинал 999 Ом не из ряда E192 (допуск ± 0,5% и точнее); "
                                               "ближайшие стандартные 988 Ом и 1 КОм.";
        QTest::newRow("typed, cut") << 1 << QList<int>{-1, -1, -1, -1, -1} << "4750" << "Срезано с 4,75 КОм"
                                    << "Набранный номинал 4,75 КОм срезан до 4,7 КОм: в четыре полосы входят "
                                       "только две цифры. Набранный номинал 4,75 КОм не из ряда E24 (допуск ± 5%); "
                                       "ближайшие стандартные 4,7 и 5,1 КОм.";
        QTest::newRow("typed, longest") << 1 << QList<int>{-1, -1, -1, -1, -1} << "99999999" << "Срезано с 99,999999 МОм"
                                        << "";
    }
    void seriesLine()
    {
        QFETCH(int, bandCount);
        QFETCH(QList<int>, bands);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(QString, spoken);
        showActive();
        clickItem("spSkinRadioGroup1", bandCount);
        for (int i = 0; i < bands.size(); ++i) {
            if (bands.at(i) >= 0)
                list(i + 1)->setItemIndex(bands.at(i));
        }
        if (!typed.isEmpty()) {
            typeNominal(typed);
            QTest::keyClick(window(), Qt::Key_F2);
        }
        auto *note = control<QLabel>("Label5");
        QVERIFY2(note->fontMetrics().horizontalAdvance(line) <= note->width(),
             qPrintable(QString::number(note->fontMetrics().horizontalAdvance(line))));
        QCOMPARE(note->text(), line);
        if (!spoken.isEmpty()) {
            QCOMPARE(QAccessible::queryAccessibleInterface(note)->text(QAccessible::Name), spoken);
            QCOMPARE(note->toolTip(), spoken);
        }
        if (!typed.isEmpty()) {
            // Another colour: the line speaks of the bands again.
            list(2)->setItemIndex(list(2)->itemIndex() == 0 ? 1 : 0);
            QVERIFY(!note->text().startsWith(QStringLiteral("Срезано")));
        }
    }

    void bandListsAreNamedByTheirBand_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << "Первая полоса, 1-я цифра";
        QTest::newRow("second") << 2 << "Вторая полоса, 2-я цифра";
        QTest::newRow("third") << 3 << "Третья полоса, 3-я цифра";
        QTest::newRow("multiplier") << 4 << "Полоса множителя";
        QTest::newRow("tolerance") << 5 << "Полоса допуска";
    }
    void bandListsAreNamedByTheirBand()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(list(number));
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Value), list(number)->currentText());
        QCOMPARE(accessible->text(QAccessible::Description), list(number)->toolTip());
        list(number)->setItemIndex(list(number)->itemIndex() == 0 ? 1 : 0);
        QCOMPARE(accessible->text(QAccessible::Value), list(number)->currentText());
    }

    void textsFitTheirControls_data()
    {
        QTest::addColumn<QString>("name");
        for (int number = 1; number <= 5; ++number)
            QTest::newRow(qPrintable(QStringLiteral("band list %1").arg(number)))
                << QStringLiteral("spSkinComboBox%1").arg(number);
        QTest::newRow("Рассчитать") << "spSkinButton1";
        QTest::newRow("Выход") << "spSkinButton2";
        QTest::newRow("band count") << "spSkinRadioGroup1";
        QTest::newRow("unit") << "spSkinRadioGroup2";
        QTest::newRow("nominal, eight digits") << "spSkinSpinEdit1";
    }
    void textsFitTheirControls()
    {
        QFETCH(QString, name);
        showActive();
        QWidget *widget = control<QWidget>(qPrintable(name));
        const QFontMetrics metrics(widget->font());
        QStyle *style = widget->style();

        if (auto *combo = qobject_cast<ui::ComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = false;
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
            QVERIFY(field.right() < style->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxArrow, combo).left());
            QVERIFY2(metrics.height() <= field.height(), qPrintable(QString::number(field.height())));
            for (int i = 0; i < combo->count(); ++i) {
                // The label keeps one pixel off either side of the field.
                const int width = metrics.horizontalAdvance(combo->itemText(i));
                QVERIFY2(width <= field.width() - 2,
                         qPrintable(QStringLiteral("%1: %2 > %3").arg(combo->itemText(i))
                                        .arg(width).arg(field.width() - 2)));
            }
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.features = QStyleOptionButton::AutoDefaultButton;
            const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QSize icon = button->iconSize();
            const int text = metrics.horizontalAdvance(button->text());
            // The icon stands above the caption.
            QVERIFY2(qMax(icon.width(), text) <= room.width(),
                     qPrintable(QStringLiteral("%1 > %2").arg(text).arg(room.width())));
            QVERIFY2(icon.height() + 1 + metrics.capHeight() + metrics.descent() <= room.height(),
                     qPrintable(QString::number(room.height())));
        } else if (auto *spin = qobject_cast<ui::SpinEdit *>(widget)) {
            spin->setValue(99999999);
            auto *edit = spin->findChild<QLineEdit *>();
            QVERIFY(edit);
            // A line edit keeps two pixels of margin on either side of its text.
            const int width = QFontMetrics(edit->font()).horizontalAdvance(edit->text());
            QVERIFY2(width <= edit->contentsRect().width() - 4,
                     qPrintable(QStringLiteral("%1 > %2").arg(width).arg(edit->contentsRect().width() - 4)));
            QVERIFY(spin->geometry().contains(spin->mapToParent(edit->geometry().topLeft())));
        } else {
            auto *group = qobject_cast<ui::RadioGroup *>(widget);
            QVERIFY(group);
            for (int i = 0; i < group->count(); ++i) {
                QRadioButton *item = group->button(i);
                QVERIFY2(group->contentsRect().contains(item->geometry()), qPrintable(item->text()));
                QStyleOptionButton option;
                option.initFrom(item);
                const QRect room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, item);
                QVERIFY2(metrics.horizontalAdvance(item->text()) <= room.width(),
                         qPrintable(QStringLiteral("%1: %2 > %3").arg(item->text())
                                        .arg(metrics.horizontalAdvance(item->text())).arg(room.width())));
                QVERIFY(style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, item)
                        <= item->height());
            }
        }
    }

    // The caption of "Ввод номинала" sits on the frame line: the nominal box
    // placed below the caption stands inside the frame, clear of its line.
    void nominalBoxStandsInsideItsFrame()
    {
        showActive();
        auto *group = control<QGroupBox>("GroupBox1");
        const QImage image = group->grab().toImage();
        const QColor background = image.pixelColor(0, 0);
        int frameTop = -1;
        for (int y = 0; y < image.height() && frameTop < 0; ++y) {
            if (image.pixelColor(image.width() / 2 + 40, y) != background
                && image.pixelColor(image.width() - 1, y + 2) != background)
                frameTop = y;
        }
        QVERIFY(frameTop >= 0);
        const QRect box = control<ui::SpinEdit>("spSkinSpinEdit1")->geometry();
        QVERIFY2(box.top() > frameTop + 1, qPrintable(QStringLiteral("%1 <= %2").arg(box.top()).arg(frameTop + 1)));
    }

    void showingTellsStartup()
    {
        QSignalSpy shown(window(), &TfmMain::shown);
        showActive();
        QCOMPARE(shown.size(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
