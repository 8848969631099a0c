// SPDX-License-Identifier: GPL-3.0-or-later
// The coil window: its first opening, the dispatch of "Рассчитать" by tab and
// by key, the numbering across tabs and windows, the close query, the winding
// type, faults, help and the settings it restores and stores. Dialogs are
// answered by FakeDialogs; pictures and settings live in a temporary folder.

#include "base/AppInfo.h"
#include "coil/CalculationState.h"
#include "coil/window/InductanceTab.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "coil/window/TurnsTab.h"
#include "coil/LogRecovery.h"
#include "settings/IniFile.h"
#include "support/FakeDialogs.h"
#include "support/FakeOpener.h"
#include "ui/DesktopOpener.h"
#include "ui/HelpFile.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

const QString FaultText = QStringLiteral("У Вас, между прочим, один или несколько параметров равны нулю !");
const QString PictureError = QStringLiteral("Ошибка загрузки рисунка, положите его на место!");
const QString HelpError = QStringLiteral("Ошибка загрузки файла справки, положите его на место!");
const QString Notice = QStringLiteral("К сведению...");

// Each picture file is one colour, so the picture shown can be told apart;
// its bottom-left pixel is white, the colour taken as transparent.
const QList<QPair<QString, QColor>> PictureColours = {
    {QStringLiteral("odinSloy.bmp"), Qt::red},
    {QStringLiteral("dvaSloya.bmp"), Qt::blue},
    {QStringLiteral("vitki.bmp"), Qt::green},
    {QStringLiteral("odinProv.bmp"), Qt::magenta},
};

QColor shownColour(const QLabel *picture)
{
    const QPixmap pixmap = picture->pixmap();
    return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(20, 20).toRgb();
}

QStringList logLines(const TfmContura &window)
{
    return window.RichEdit1->toPlainText().split(QLatin1Char('\n'));
}

// The experiment numbers of the blocks in a log, in order.
QList<int> blockNumbers(const TfmContura &window)
{
    QList<int> numbers;
    const QString header = QStringLiteral("         * * * * * Опыт № ");
    for (const QString &line : logLines(window)) {
        if (line.startsWith(header))
            numbers << line.mid(header.size()).section(QLatin1Char(' '), 0, 0).toInt();
    }
    return numbers;
}

QStringList messageTexts(const FakeDialogs &fake)
{
    QStringList texts;
    for (const ui::MessageRequest &request : fake.messages)
        texts << request.text;
    return texts;
}

} // namespace

class TestCoilWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<FakeDialogs> fake;
    std::unique_ptr<QTemporaryDir> dir;
    QString programDir;  // with the pictures, ending with a separator
    QString settingsPath;

    void writePictures()
    {
        QDir(dir->path()).mkpath(QStringLiteral("Images"));
        for (const auto &[name, colour] : PictureColours) {
            QImage image(120, 65, QImage::Format_RGB32);
            image.fill(colour);
            image.setPixelColor(0, 64, Qt::white);
            QVERIFY(image.save(dir->path() + QStringLiteral("/Images/") + name, "BMP"));
        }
    }

    std::unique_ptr<TfmContura> makeWindow(QWidget *owner = nullptr)
    {
        auto window = std::make_unique<TfmContura>(owner, programDir);
        window->setSettingsFilePath(settingsPath);
        return window;
    }

    void writeSettings(const QList<QPair<QString, QString>> &entries)
    {
        settings::IniFile ini(settingsPath);
        for (const auto &[key, value] : entries) {
            const QString section = key.startsWith(QLatin1String("Co")) ? QStringLiteral("WindowPos")
                                                                         : QStringLiteral("Settings");
            ini.writeString(section, key, value);
        }
        ini.save();
    }

    static void calculate(TfmContura &window, int tab, const QList<long double> &values)
    {
        window.PageControl1->setCurrentIndex(tab);
        const QList<ui::SpinEdit *> boxes =
            static_cast<coil::CoilTab *>(window.PageControl1->currentWidget())->inputBoxes();
        for (int i = 0; i < boxes.size() && i < values.size(); ++i)
            boxes[i]->setValue(values[i]);
        window.Button1Click();
    }

private slots:
    void init()
    {
        coil::resetCalculationState();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        fake = std::make_unique<FakeDialogs>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        programDir = dir->path() + QLatin1Char('/');
        settingsPath = dir->filePath(QStringLiteral("bandimor.ini"));
        // The logs' recovery files go with the test's folder.
        coil::setRecoveryFolderForTesting(dir->filePath(QStringLiteral("state/bandimor/recovery")));
        writePictures();
    }

    void cleanup()
    {
        fake.reset();
        QLocale::setDefault(QLocale::c());
    }

    void firstOpening()
    {
        auto window = makeWindow();
        window->ReadParams();

        QCOMPARE(window->objectName(), QStringLiteral("fmContura"));
        QCOMPARE(window->windowTitle(), QStringLiteral("{Безымянный} - Bandimor v1.7"));
        QCOMPARE(window->pos(), QPoint(304, 106));
        QCOMPARE(window->PageControl1->currentWidget(), window->Tab1);
        QCOMPARE(window->Tab1->RadioGroup1->itemIndex(), 0);
        QCOMPARE(window->Tab1->windingType(), coil::WindingType::SingleLayer);
        QCOMPARE(window->Tab1->Label1->text(), QStringLiteral("Длина намотки :"));
        QCOMPARE(window->Tab1->Label41->text(), QStringLiteral("мм"));
        QCOMPARE(shownColour(window->Tab1->Image1), QColor(Qt::red));
        QVERIFY(window->RichEdit1->toPlainText().isEmpty());
        QVERIFY(!window->RichEdit1->isModified());
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), window->Button1);
        QCOMPARE(window->centralWidget()->size(), QSize(491, 264));
        QCOMPARE(window->PageControl1->tabBar()->height(), 24);
        QVERIFY(!window->RichEdit1->verticalScrollBar()->isVisible());
        QCOMPARE(window->ScrollBar1->focusPolicy(), Qt::NoFocus);
    }

    void focusOrder_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("chain");

        const QStringList frame = {"Button1", "spSkinButton1", "Button2", "RichEdit1", "PageControl1"};
        // The winding type is one stop, at its selected item.
        QTest::newRow("inductance tab") << 0 << frame + QStringList{"RadioGroup1_item0", "Edit1", "Edit2",
                                                                    "Edit3", "Edit4", "Button1"};
        QTest::newRow("inductance tab, multi-layer") << 3 << frame + QStringList{"RadioGroup1_item1", "Edit1", "Edit2",
                                                                               "Edit3", "Edit4", "Button1"};
        QTest::newRow("turns tab") << 1 << frame + QStringList{"SpinEdit1", "SpinEdit2", "SpinEdit4", "Button1"};
        QTest::newRow("wire tab, diameter first") << 2 << frame + QStringList{"SkinEdit2", "SkinEdit1", "Button1"};
    }

    void focusOrder()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, chain);
        auto window = makeWindow();
        // 3: the first tab with the second winding type selected.
        if (tab == 3) {
            window->Tab1->RadioGroup1->setItemIndex(1);
            tab = 0;
        }
        window->PageControl1->setCurrentIndex(tab);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->Button1->setFocus();

        QStringList visited;
        for (int i = 0; i < chain.size(); ++i) {
            // A spin box's line edit and the tab strip stand for their controls.
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
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->RichEdit1->setFocus();
        QTest::keyClick(window->RichEdit1, Qt::Key_F10);
        QMenu *file = window->MainMenu1->actions().constFirst()->menu();
        QCOMPARE(window->MainMenu1->activeAction(), file->menuAction());
        QVERIFY(QTest::qWaitFor([file] { return file->isVisible(); }));
        file->hide();
    }

    void tabsAreNamedForScreenReaders()
    {
        auto window = makeWindow();
        QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(window->PageControl1->tabBar());
        QStringList names;
        for (int i = 0; i < strip->childCount(); ++i) {
            if (strip->child(i)->role() == QAccessible::PageTab)
                names << strip->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names, QStringList({"Индуктивность катушки", "Число витков и диаметр провода",
                                     "Индуктивность прямого провода"}));
        // The tabs still show their pictures only.
        for (int i = 0; i < window->PageControl1->count(); ++i)
            QVERIFY(window->PageControl1->tabText(i).isEmpty());
    }

    void controlsAreNamedForScreenReaders_data()
    {
        QTest::addColumn<int>("winding");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");

        QTest::newRow("log") << 0 << "RichEdit1" << "Журнал результатов" << "Поле для вывода результатов работы";
        QTest::newRow("picture, single-layer") << 0 << "Image1" << "Рисунок однослойной катушки"
                                               << "Наглядное отображение вида катушки";
        QTest::newRow("picture, multi-layer") << 1 << "Image1" << "Рисунок многослойной катушки"
                                              << "Наглядное отображение вида катушки";
        QTest::newRow("turns picture") << 0 << "chisloVitkov" << "Рисунок катушки"
                                       << "Катушка, для которой находятся число витков и диаметр провода";
        QTest::newRow("wire picture") << 0 << "odinProvod" << "Рисунок прямого провода"
                                      << "Провод, индуктивность которого рассчитывается";
        QTest::newRow("length, single-layer") << 0 << "Edit1" << "Длина намотки"
            << "На расчёт сильно НЕ влияет, задаётся ориентировочно !!!; единица: см";
        QTest::newRow("wire, single-layer") << 0 << "Edit4" << "Диаметр провода"
            << "Диаметр провода для намотки - d на рисунке; единица: мм";
        QTest::newRow("thickness, multi-layer") << 1 << "Edit4" << "Толщина намотки"
            << "Толщина намотки провода - C на рисунке; единица: см";
        QTest::newRow("turns") << 0 << "Edit3" << "Кол-во витков"
            << "Число витков катушки - n  на одном рисунке; единица: шт.";
        QTest::newRow("inductance, turns tab") << 0 << "SpinEdit4" << "Индуктивность" << "единица: мкГн";
        QTest::newRow("diameter, wire tab") << 0 << "SkinEdit2" << "Диаметр провода" << "единица: мм";
    }
    void controlsAreNamedForScreenReaders()
    {
        QFETCH(int, winding);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);

        auto window = makeWindow();
        window->Tab1->RadioGroup1->setItemIndex(winding);
        QWidget *widget = window->findChild<QWidget *>(control);
        QVERIFY(widget);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    void missingPictures_data()
    {
        QTest::addColumn<QString>("tipNamotki");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("expectedMessages");

        QTest::newRow("design type only") << QString() << QString() << 1;
        QTest::newRow("stored multi-layer applied again") << "1" << QString() << 2;
        QTest::newRow("opened on the straight-wire tab") << QString() << "2" << 2;
    }

    void missingPictures()
    {
        QFETCH(QString, tipNamotki);
        QFETCH(QString, page);
        QFETCH(int, expectedMessages);
        QVERIFY(QDir(dir->filePath(QStringLiteral("Images"))).removeRecursively());
        QList<QPair<QString, QString>> entries;
        if (!tipNamotki.isEmpty())
            entries << qMakePair(QStringLiteral("TipNamotki"), tipNamotki);
        if (!page.isEmpty())
            entries << qMakePair(QStringLiteral("Page_control"), page);
        if (!entries.isEmpty())
            writeSettings(entries);

        auto window = makeWindow();
        window->ReadParams();

        QCOMPARE(fake->messages.size(), expectedMessages);
        for (const ui::MessageRequest &request : fake->messages) {
            QCOMPARE(request.text, PictureError);
            QCOMPARE(request.caption, Notice);
            QCOMPARE(request.icon, ui::Icon::Error);
        }
        QVERIFY(window->Tab1->Image1->pixmap().isNull());
    }

    void missingPictureKeepsTheOneShownBefore()
    {
        auto window = makeWindow();
        QVERIFY(QFile::remove(dir->filePath(QStringLiteral("Images/dvaSloya.bmp"))));
        window->Tab1->RadioGroup1->setItemIndex(1);

        QCOMPARE(messageTexts(*fake), QStringList{PictureError});
        QCOMPARE(shownColour(window->Tab1->Image1), QColor(Qt::red));
        QCOMPARE(window->Tab1->windingType(), coil::WindingType::MultiLayer);
    }

    // A picture whose pixel data ends early is as good as missing: the
    // message, and the picture shown before stays.
    void damagedPictureIsReported()
    {
        auto window = makeWindow();
        QFile damaged(dir->filePath(QStringLiteral("Images/dvaSloya.bmp")));
        QVERIFY(damaged.resize(damaged.size() / 2));
        window->Tab1->RadioGroup1->setItemIndex(1);

        QCOMPARE(messageTexts(*fake), QStringList{PictureError});
        QCOMPARE(shownColour(window->Tab1->Image1), QColor(Qt::red));
    }

    // The tab pictures stand whole in the 24-pixel strip: nothing of them
    // reaches the strip's top or bottom edge, where the strip would cut it.
    void tabPicturesStandWholeInTheStrip()
    {
        auto window = makeWindow();
        window->show();
        QTabBar *strip = window->PageControl1->tabBar();
        const QImage withPictures = strip->grab().toImage();
        QList<QIcon> pictures;
        for (int i = 0; i < strip->count(); ++i) {
            pictures << strip->tabIcon(i);
            strip->setTabIcon(i, QIcon());
        }
        const QImage without = strip->grab().toImage();
        for (int i = 0; i < strip->count(); ++i)
            strip->setTabIcon(i, pictures.at(i));

        for (int i = 0; i < strip->count(); ++i) {
            const QRect tab = strip->tabRect(i);
            QRect drawn;
            for (int y = tab.top(); y <= tab.bottom(); ++y)
                for (int x = tab.left(); x <= tab.right(); ++x)
                    if (withPictures.pixel(x, y) != without.pixel(x, y))
                        drawn |= QRect(x, y, 1, 1);
            QVERIFY2(!drawn.isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(drawn.top() > 0 && drawn.bottom() < strip->height() - 1,
                     qPrintable(QStringLiteral("tab %1: rows %2 to %3 of %4").arg(i).arg(drawn.top())
                                    .arg(drawn.bottom()).arg(strip->height())));
            // Big enough to make out.
            QVERIFY(drawn.height() >= 12);
        }
    }

    void tabPicturesLoadEachTimeShown()
    {
        auto window = makeWindow();
        window->PageControl1->setCurrentIndex(1);
        QCOMPARE(shownColour(window->Tab2->chisloVitkov), QColor(Qt::green));
        window->PageControl1->setCurrentIndex(2);
        QCOMPARE(shownColour(window->Tab3->odinProvod), QColor(Qt::magenta));

        QVERIFY(QFile::remove(dir->filePath(QStringLiteral("Images/vitki.bmp"))));
        window->PageControl1->setCurrentIndex(1);
        window->PageControl1->setCurrentIndex(0);
        window->PageControl1->setCurrentIndex(1);
        QCOMPARE(messageTexts(*fake), QStringList({PictureError, PictureError}));
    }

    void workedInductanceBlock()
    {
        auto window = makeWindow();
        calculate(*window, 0, {2, 1, 20, 0.5L});

        const QStringList expected = {
            QString(),
            QStringLiteral("         * * * * * Опыт № 1 * * * * *"),
            QStringLiteral("//"),
            QStringLiteral("{ ИCХОДНЫЕ ДАННЫЕ }"),
            QStringLiteral("Тип намотки : однослойная"),
            QStringLiteral("Длина намотки : 2 см"),
            QStringLiteral("Диаметр намотки: 1 см"),
            QStringLiteral("Кол-во витков: 20 шт."),
            QStringLiteral("Диаметр провода: 0,5 мм"),
            QString(),
            QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }"),
            QStringLiteral("Индуктивность = 2,759 мкГн"),
            // 20 turns of 0,5 mm take 1 cm, not the 2 cm typed.
            QStringLiteral("Намотка не виток к витку: при длине 2 см по формуле токового слоя (Нагаока) "
                           "L = 1,615 мкГн"),
            QString(),
        };
        QCOMPARE(window->RichEdit1->lineCount(), expected.size());
        const QStringList lines = logLines(*window);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(lines.at(i), expected.at(i));
        QVERIFY(window->RichEdit1->isModified());
        QVERIFY(fake->messages.isEmpty());
    }

    void windingTypeSwitch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<QString>("label4");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typeLine");
        QTest::addColumn<QColor>("picture");

        QTest::newRow("multi-layer") << 1 << "Ширина намотки:" << "Диаметр каркаса:"
                                     << "Толщина намотки:" << "см" << "Тип намотки : многослойная"
                                     << QColor(Qt::blue);
        QTest::newRow("back to single-layer") << 0 << "Длина намотки :" << "Диаметр намотки:"
                                              << "Диаметр провода:" << "мм"
                                              << "Тип намотки : однослойная" << QColor(Qt::red);
    }

    void windingTypeSwitch()
    {
        QFETCH(int, index);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        QFETCH(QString, label4);
        QFETCH(QString, unit);
        QFETCH(QString, typeLine);
        QFETCH(QColor, picture);

        auto window = makeWindow();
        coil::InductanceTab *tab = window->Tab1;
        tab->RadioGroup1->setItemIndex(1);
        tab->RadioGroup1->setItemIndex(index);

        QCOMPARE(tab->Label1->text(), label1);
        QCOMPARE(tab->Label2->text(), label2);
        QCOMPARE(tab->Label4->text(), label4);
        QCOMPARE(tab->Label41->text(), unit);
        QCOMPARE(tab->Label3->text(), QStringLiteral("Кол-во витков:"));
        QCOMPARE(tab->Label2->toolTip(), QStringLiteral("Диаметр каркаса катушки - D на рисунке"));
        // Named by the caption without its colon.
        QCOMPARE(tab->Edit4->accessibleName() + QLatin1Char(':'), label4);
        QCOMPARE(shownColour(tab->Image1), picture);

        // B = 1, D = 1, n = 100, C = 0.5 is 97,297 uH multi-layer; single-layer
        // with d = 0.5 mm it is 10000 / 545 = 18,349 uH.
        calculate(*window, 0, {1, 1, 100, 0.5L});
        const QStringList lines = logLines(*window);
        QCOMPARE(lines.at(4), typeLine);
        QCOMPARE(lines.at(5), label1 + QStringLiteral(" 1 см"));
        QCOMPARE(lines.at(8), label4 + QStringLiteral(" 0,5 ") + unit);
        QCOMPARE(lines.at(11), index == 1 ? QStringLiteral("Индуктивность = 97,297 мкГн")
                                          : QStringLiteral("Индуктивность = 18,349 мкГн"));
    }

    void keysDispatch_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expectedResult");  // empty: no block

        const int enter = Qt::Key_Return;
        QTest::newRow("Enter in a turns box") << 1 << "SpinEdit2" << enter << "Число витков = 12,0 шт.";
        QTest::newRow("keypad Enter in a wire box") << 2 << "SkinEdit2" << int(Qt::Key_Enter)
                                                    << "Индуктивность = 0,100 мкГн";
        QTest::newRow("keypad Enter on the tab strip") << 1 << "PageControl1" << int(Qt::Key_Enter)
                                                       << "Число витков = 12,0 шт.";
        QTest::newRow("keypad Enter on the winding type") << 0 << "RadioGroup1_item0" << int(Qt::Key_Enter)
                                                          << "Индуктивность = 18,349 мкГн";
        QTest::newRow("Enter on the winding type") << 0 << "RadioGroup1_item0" << enter
                                                   << "Индуктивность = 18,349 мкГн";
        QTest::newRow("Enter on the tab strip") << 1 << "PageControl1" << enter
                                                << "Число витков = 12,0 шт.";
        QTest::newRow("Enter in the log starts a line") << 1 << "RichEdit1" << enter << QString();
        QTest::newRow("F3 in the log") << 1 << "RichEdit1" << int(Qt::Key_F3)
                                       << "Число витков = 12,0 шт.";
        QTest::newRow("F3 in a spin box") << 2 << "SkinEdit1" << int(Qt::Key_F3)
                                          << "Индуктивность = 0,100 мкГн";
    }

    void keysDispatch()
    {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, expectedResult);

        auto window = makeWindow();
        // Tab 1: l = 1, D = 1, n = 100, d = 0.5; tab 2: l = D = L = 1; tab 3: l = 10, d = 1.
        for (auto [box, value] : {std::pair{window->Tab1->Edit1, 1.0L}, {window->Tab1->Edit2, 1.0L},
                                  {window->Tab1->Edit3, 100.0L}, {window->Tab1->Edit4, 0.5L},
                                  {window->Tab2->SpinEdit1, 1.0L}, {window->Tab2->SpinEdit2, 1.0L},
                                  {window->Tab2->SpinEdit4, 1.0L}, {window->Tab3->SkinEdit1, 10.0L},
                                  {window->Tab3->SkinEdit2, 1.0L}})
            box->setValue(value);
        window->PageControl1->setCurrentIndex(tab);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *target = window->findChild<QWidget *>(focus);
        QVERIFY(target);
        target->setFocus();
        QVERIFY(QApplication::focusWidget());

        // The keypad's Enter comes with the keypad modifier, as from a real keyboard.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

        if (expectedResult.isEmpty()) {
            QCOMPARE(window->RichEdit1->toPlainText(), QStringLiteral("\n"));
        } else {
            QVERIFY2(logLines(*window).contains(expectedResult),
                     qPrintable(window->RichEdit1->toPlainText()));
            QCOMPARE(blockNumbers(*window), QList<int>{1});
        }
    }

    void tabKeysLeaveTheBoxReadyToTypeOver_data()
    {
        QTest::addColumn<int>("fromTab");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("toTab");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Tab") << 0 << int(Qt::Key_Tab) << ctrl << 1;
        QTest::newRow("Ctrl+PageDown") << 0 << int(Qt::Key_PageDown) << ctrl << 1;
        QTest::newRow("Ctrl+Shift+Tab") << 2 << int(Qt::Key_Backtab) << int(ctrl | Qt::ShiftModifier) << 1;
        QTest::newRow("Ctrl+PageUp") << 2 << int(Qt::Key_PageUp) << ctrl << 1;
        QTest::newRow("Ctrl+PageDown to the wire") << 1 << int(Qt::Key_PageDown) << ctrl << 2;
    }
    void tabKeysLeaveTheBoxReadyToTypeOver()
    {
        QFETCH(int, fromTab);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, toTab);

        auto window = makeWindow();
        window->PageControl1->setCurrentIndex(fromTab);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QList<QWidget *> fromBoxes = fromTab == 0 ? window->Tab1->focusOrder()
                                         : fromTab == 1 ? window->Tab2->focusOrder()
                                                        : window->Tab3->focusOrder();
        fromBoxes.constLast()->setFocus();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window->PageControl1->currentIndex(), toTab);
        auto *box = qobject_cast<ui::SpinEdit *>(QApplication::focusWidget());
        QVERIFY(box);
        QVERIFY(window->PageControl1->currentWidget()->isAncestorOf(box));
        QTest::keyClick(box, Qt::Key_2);

        QCOMPARE(box->text(), QStringLiteral("2"));
        QVERIFY(box->value() == 2);
    }

    void resultStaysInSight()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        coil::ResultsLog *log = window->RichEdit1;
        log->setPlainText(QStringLiteral("заметка"));
        QTextCursor caret(log->document());
        caret.setPosition(1);
        caret.setPosition(4, QTextCursor::KeepAnchor);
        log->setTextCursor(caret);

        for (int i = 0; i < 40; ++i)
            calculate(*window, 2, {10, 1});

        QCOMPARE(blockNumbers(*window).size(), 40);
        QCOMPARE(log->textCursor().anchor(), 1);
        QCOMPARE(log->textCursor().position(), 4);
        QVERIFY(window->ScrollBar1->maximum() > 0);
        QCOMPARE(window->ScrollBar1->value(), window->ScrollBar1->maximum());
        QCOMPARE(log->verticalScrollBar()->value(), window->ScrollBar1->value());
        // The last block's result line lies inside the view.
        const QTextCursor result = log->document()->find(QStringLiteral("Индуктивность = "),
                                                         log->document()->characterCount(),
                                                         QTextDocument::FindBackward);
        QVERIFY(!result.isNull());
        const QRect shown = log->cursorRect(result);
        QVERIFY2(log->viewport()->rect().contains(shown),
                 qPrintable(QStringLiteral("line at %1..%2, view 0..%3")
                                .arg(shown.top()).arg(shown.bottom()).arg(log->viewport()->height())));
    }

    // Del belongs to the control the user is in; the other edit keys act on
    // the log from anywhere.
    void delDeletesWhereTheUserIs()
    {
        auto window = makeWindow();
        window->Tab1->Edit1->setValue(35);
        window->RichEdit1->setPlainText(QStringLiteral("текст"));
        window->RichEdit1->selectAll();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->Tab1->Edit1->setFocus();
        QTest::keyClick(window->Tab1->Edit1, Qt::Key_Home);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(window->Tab1->Edit1->text(), QStringLiteral("5,0"));
        QCOMPARE(window->RichEdit1->toPlainText(), QStringLiteral("текст"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete, Qt::ShiftModifier);
        QVERIFY(window->RichEdit1->toPlainText().isEmpty());

        window->RichEdit1->setPlainText(QStringLiteral("текст"));
        window->RichEdit1->selectAll();
        window->RichEdit1->setFocus();
        QTest::keyClick(window->RichEdit1, Qt::Key_Delete);
        QVERIFY(window->RichEdit1->toPlainText().isEmpty());
    }

    void tabKeysWorkFromAnywhere_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("fromTab");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("toTab");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Tab in the log") << "RichEdit1" << 0 << int(Qt::Key_Tab) << ctrl << 1;
        QTest::newRow("Ctrl+Shift+Tab in the log")
            << "RichEdit1" << 1 << int(Qt::Key_Backtab) << int(ctrl | Qt::ShiftModifier) << 0;
        QTest::newRow("Ctrl+PageDown on a button, round to the first") << "Button2" << 2 << int(Qt::Key_PageDown) << ctrl << 0;
        QTest::newRow("Ctrl+PageUp on a button, round to the last") << "spSkinButton1" << 0 << int(Qt::Key_PageUp) << ctrl << 2;
    }
    void tabKeysWorkFromAnywhere()
    {
        QFETCH(QString, focus);
        QFETCH(int, fromTab);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, toTab);

        auto window = makeWindow();
        window->PageControl1->setCurrentIndex(fromTab);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *control = window->findChild<QWidget *>(focus);
        control->setFocus();

        QTest::keyClick(control, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window->PageControl1->currentIndex(), toTab);
        QCOMPARE(QApplication::focusWidget(), control);
    }

    // What the box shows is what the block prints, after a paste or an emptied box.
    void boxAndBlockAgree_data()
    {
        QTest::addColumn<QString>("pasted"); // empty: the box is emptied instead
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("refusals");
        QTest::newRow("7.25 pasted") << "7.25" << 7.25 << 0;
        QTest::newRow("abc pasted") << "abc" << 1.0 << 1;
        QTest::newRow("emptied") << "" << 1.0 << 0;
    }
    void boxAndBlockAgree()
    {
        QFETCH(QString, pasted);
        QFETCH(double, value);
        QFETCH(int, refusals);

        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ui::SpinEdit *box = window->Tab1->Edit2; // "Диаметр намотки"
        box->setValue(1);
        box->setFocus();
        box->selectAll();
        fake->messages.clear();
        if (pasted.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else {
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
        }
        QCOMPARE(fake->messages.size(), refusals);

        window->Button1Click();

        const QStringList lines = logLines(*window).filter(QStringLiteral("Диаметр намотки:"));
        QCOMPARE(lines.size(), 1);
        const QLocale locale;
        QCOMPARE(locale.toDouble(lines.first().section(QLatin1Char(' '), 2, 2)), value);
        QCOMPARE(locale.toDouble(box->text()), value);
    }

    void numberingAcrossTabsAndWindows()
    {
        auto first = makeWindow();
        auto second = makeWindow();

        calculate(*first, 0, {2, 1, 20, 0.5L});
        calculate(*first, 2, {10, 1});
        // The second window's log is empty, so the shared counter restarts.
        calculate(*second, 1, {1, 1, 1});
        calculate(*first, 1, {2, 1, 10});

        QCOMPARE(blockNumbers(*first), QList<int>({1, 2, 2}));
        QCOMPARE(blockNumbers(*second), QList<int>{1});
        // Each window computed with its own inputs.
        QVERIFY(logLines(*first).contains(QStringLiteral("Число витков = 49,4 шт.")));
        QVERIFY(logLines(*second).contains(QStringLiteral("Число витков = 12,0 шт.")));
        QVERIFY(!logLines(*second).contains(QStringLiteral("Индуктивность = 2,759 мкГн")));
    }

    void clearRestartsAtOne()
    {
        auto window = makeWindow();
        calculate(*window, 2, {10, 1});
        calculate(*window, 2, {10, 1});
        fake->answers.enqueue(ui::Answer::No);
        window->spSkinButton1->click();
        QVERIFY(window->RichEdit1->toPlainText().isEmpty());
        QVERIFY(!window->RichEdit1->isModified());
        calculate(*window, 2, {10, 1});

        QCOMPARE(blockNumbers(*window), QList<int>{1});
        // The unsaved log was asked about first.
        QCOMPARE(fake->messages.size(), 1);
    }

    void faultStillAppendsBlock_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("firstInput");

        QTest::newRow("inductance") << 0 << "Длина намотки : 0 см";
        QTest::newRow("turns") << 1 << "Длина намотки: 0 см";
        QTest::newRow("straight wire") << 2 << "Длина провода: 0 см";
    }

    void faultStillAppendsBlock()
    {
        QFETCH(int, tab);
        QFETCH(QString, firstInput);

        auto window = makeWindow();
        calculate(*window, tab, {});

        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages.first().text, FaultText);
        QCOMPARE(fake->messages.first().caption, Notice);
        QCOMPARE(fake->messages.first().icon, ui::Icon::Information);
        QCOMPARE(fake->messages.first().buttons, ui::Buttons::Ok);
        QCOMPARE(blockNumbers(*window), QList<int>{1});
        QCOMPARE(logLines(*window).at(tab == 1 ? 4 : 5), firstInput);
    }

    void blockTooLargeForTheLog()
    {
        auto window = makeWindow();
        window->RichEdit1->setCapacity(40);
        calculate(*window, 2, {10, 1});

        QCOMPARE(messageTexts(*fake), QStringList{QStringLiteral("RichEdit line insertion error.")});
        QCOMPARE(fake->messages.first().caption, base::applicationTitle());
        QVERIFY(window->RichEdit1->toPlainText().startsWith(QStringLiteral("\n         * * * * * Опыт № 1")));
    }

    void closeQuery_data()
    {
        QTest::addColumn<QList<ui::Answer>>("answers");
        QTest::addColumn<QString>("savePath");       // chosen in the save dialog
        QTest::addColumn<bool>("settingsWritable");
        QTest::addColumn<bool>("closes");

        using ui::Answer;
        QTest::newRow("Cancel keeps the window") << QList<Answer>{Answer::Cancel} << QString() << true << false;
        QTest::newRow("No drops the log") << QList<Answer>{Answer::No} << QString() << true << true;
        QTest::newRow("Yes, save dialog cancelled") << QList<Answer>{Answer::Yes} << QString() << true << true;
        QTest::newRow("Yes, saved") << QList<Answer>{Answer::Yes} << "log.rtf" << true << true;
        // Reported once; the window closes all the same.
        QTest::newRow("settings not writable") << QList<Answer>{Answer::No} << QString() << false << true;
    }

    void closeQuery()
    {
        QFETCH(QList<ui::Answer>, answers);
        QFETCH(QString, savePath);
        QFETCH(bool, settingsWritable);
        QFETCH(bool, closes);

        if (!settingsWritable)
            settingsPath = dir->filePath(QStringLiteral("missing/folder/bandimor.ini"));
        QPointer<TfmContura> window = makeWindow().release();
        calculate(*window, 2, {10, 1});
        window->show();
        for (ui::Answer answer : answers)
            fake->answers.enqueue(answer);
        if (!savePath.isEmpty())
            fake->saveChoices.enqueue({dir->filePath(savePath), 0});

        window->Button2->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(fake->messages.size(), settingsWritable ? 1 : 2);
        QCOMPARE(fake->messages.first().caption, QStringLiteral("Подтверждение"));
        if (!settingsWritable) {
            QCOMPARE(fake->messages[1].text,
                     QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(settingsPath)));
            QCOMPARE(fake->messages[1].icon, ui::Icon::Error);
        }
        QCOMPARE(window.isNull(), closes);
        QCOMPARE(QFile::exists(settingsPath), closes && settingsWritable);
        QCOMPARE(QFile::exists(dir->filePath(QStringLiteral("log.rtf"))), !savePath.isEmpty());
        if (!closes) {
            QVERIFY(window->isVisible());
            QVERIFY(window->RichEdit1->isModified());
            QCOMPARE(blockNumbers(*window), QList<int>{1});
        }
        delete window.data();
    }

    void closeBoxHidesTheWindow()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(window->close());
        QVERIFY(window->isHidden());
        QVERIFY(QFile::exists(settingsPath));
    }

    // "Выход" is the main window's close; the questions about unsaved logs
    // are the main window's own (test_programend).
    void exitClosesTheMainWindow()
    {
        QWidget mainWindow;
        mainWindow.show();
        auto *window = makeWindow(&mainWindow).release();
        calculate(*window, 2, {10, 1});
        window->show();

        window->N3Click();

        QVERIFY(mainWindow.isHidden());
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!QFile::exists(settingsPath));
    }

    void openNewMakesOneMoreWindow()
    {
        QWidget mainWindow;
        QList<QWidget *> aboutBoxOwners;
        const auto showAboutBox = [&](QWidget *owner) { aboutBoxOwners << owner; };
        TfmContura *first = TfmContura::openNew(&mainWindow, showAboutBox);
        TfmContura *second = TfmContura::openNew(&mainWindow, showAboutBox);

        QVERIFY(first != second);
        for (TfmContura *window : {first, second}) {
            QCOMPARE(window->parentWidget(), &mainWindow);
            QVERIFY(window->isWindow());
            QVERIFY(window->isVisible());
        }
        // "О программе..." opens the about box over the coil window itself.
        second->findChild<QAction *>(QStringLiteral("aboutEntry"))->trigger();
        QCOMPARE(aboutBoxOwners, QList<QWidget *>{second});
    }

    void settingsRestored_data()
    {
        QTest::addColumn<QString>("tipNamotki");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("charset");
        QTest::addColumn<int>("expectedType");
        QTest::addColumn<int>("expectedPage");
        QTest::addColumn<int>("expectedCharset");

        QTest::newRow("Tab3, Cyrillic") << "0" << "2" << "204" << 0 << 2 << 204;
        QTest::newRow("charset beyond 8 bits") << "1" << "1" << "460" << 1 << 1 << 204;
        QTest::newRow("indices above the range") << "5" << "7" << "1" << 1 << 2 << 1;
        QTest::newRow("indices below the range") << "-4" << "-1" << "0" << 0 << 0 << 0;
    }

    void settingsRestored()
    {
        QFETCH(QString, tipNamotki);
        QFETCH(QString, page);
        QFETCH(QString, charset);
        QFETCH(int, expectedType);
        QFETCH(int, expectedPage);
        QFETCH(int, expectedCharset);
        writeSettings({{QStringLiteral("CoTop"), QStringLiteral("0x40")},
                       {QStringLiteral("CoLeft"), QStringLiteral("20")},
                       {QStringLiteral("TipNamotki"), tipNamotki},
                       {QStringLiteral("Page_control"), page},
                       {QStringLiteral("EditorFontCharset"), charset}});

        auto window = makeWindow();
        window->ReadParams();

        QCOMPARE(window->pos(), QPoint(20, 64));
        QCOMPARE(window->Tab1->RadioGroup1->itemIndex(), expectedType);
        QCOMPARE(window->Tab1->windingType(), expectedType == 1 ? coil::WindingType::MultiLayer
                                                                : coil::WindingType::SingleLayer);
        QCOMPARE(window->PageControl1->currentIndex(), expectedPage);
        QCOMPARE(window->RichEdit1->logCharset(), expectedCharset);
        QVERIFY(!window->RichEdit1->isModified());
        if (expectedPage == 2)
            QCOMPARE(shownColour(window->Tab3->odinProvod), QColor(Qt::magenta));
    }

    void settingsRoundTrip()
    {
        auto window = makeWindow();
        window->move(123, 77);
        window->Tab1->RadioGroup1->setItemIndex(1);
        window->PageControl1->setCurrentIndex(1);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(11);
        window->RichEdit1->setLogFont(font);
        window->RichEdit1->setLogCharset(204);
        window->WriteParams();

        const settings::IniFile ini(settingsPath);
        QCOMPARE(ini.readInteger(QStringLiteral("WindowPos"), QStringLiteral("CoTop"), 0), 77);
        QCOMPARE(ini.readInteger(QStringLiteral("WindowPos"), QStringLiteral("CoLeft"), 0), 123);
        QCOMPARE(ini.readString(QStringLiteral("Settings"), QStringLiteral("EditorFontName"), QString()),
                 QStringLiteral("DejaVu Sans"));

        auto restored = makeWindow();
        restored->ReadParams();
        QCOMPARE(restored->pos(), QPoint(123, 77));
        QCOMPARE(restored->Tab1->RadioGroup1->itemIndex(), 1);
        QCOMPARE(restored->PageControl1->currentIndex(), 1);
        QCOMPARE(restored->RichEdit1->logFont().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(restored->RichEdit1->logFont().pointSize(), 11);
        QCOMPARE(restored->RichEdit1->logCharset(), 204);
        QVERIFY(!restored->RichEdit1->isModified());
    }

    void help_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<int>("openerStatus");  // -1: no opener on PATH
        QTest::addColumn<bool>("openerRuns");
        QTest::addColumn<QString>("message");   // empty: none

        const QString noViewer = ui::noHelpViewerText();
        QTest::newRow("help file missing") << false << 0 << false << HelpError;
        QTest::newRow("opener fails") << true << 1 << true << noViewer;
        QTest::newRow("no opener installed") << true << -1 << false << noViewer;
        QTest::newRow("opened") << true << 0 << true << QString();
    }

    void help()
    {
        QFETCH(bool, fileThere);
        QFETCH(int, openerStatus);
        QFETCH(bool, openerRuns);
        QFETCH(QString, message);
        const QString helpPath = dir->filePath(QStringLiteral("Spravka.chm"));
        if (fileThere) {
            SKIP_WITHOUT_FAKE_OPENER();
            QFile file(helpPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const FakeOpener opener(openerStatus >= 0 ? std::optional<int>(openerStatus) : std::nullopt);
        bool settled = !fileThere;
        fake->shell = [&settled](const QUrl &url, const std::function<void()> &onFailure) {
            ui::openWithDesktop(url.toLocalFile(), [&settled, onFailure](bool opened) {
                settled = true;
                if (!opened)
                    onFailure();
            });
        };
        auto window = makeWindow();

        window->N6Click();
        QTRY_VERIFY_WITH_TIMEOUT(settled, 10000);

        QCOMPARE(opener.calls(), openerRuns ? QStringList{helpPath} : QStringList());
        QCOMPARE(messageTexts(*fake), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(fake->messages.first().caption, Notice);
            QCOMPARE(fake->messages.first().icon, ui::Icon::Error);
        }
    }

    // The opener answers after the window has closed: the notice comes all
    // the same, without the window.
    void helpFailureAfterTheWindowClosed()
    {
        QFile file(dir->filePath(QStringLiteral("Spravka.chm")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        fake->shellResult = false;
        auto window = makeWindow();
        window->N6Click();
        window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(messageTexts(*fake), QStringList{ui::noHelpViewerText()}, 2000);
    }
};

QTEST_MAIN(TestCoilWindow)
#include "test_coilwindow.moc"
