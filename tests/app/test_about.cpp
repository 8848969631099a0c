// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the credits' scroll and fade, their text, the mail link,
// the keys that close the box or do not, and its modality.

#include "app/About.h"
#include "app/Credits.h"
#include "pictures/PaletteInk.h"
#include "ui/LinkLabel.h"
#include "support/FakeDialogs.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace app;

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    // Window-free credits maths and texts.
    void rowOpacity_data();
    void rowOpacity();
    void textTop_data();
    void textTop();
    void fadeRows();
    void creditsLines_data();
    void creditsLines();
    void creditsLineCount();
    void mailtoUrl();

    // The box.
    void controls_data();
    void controls();
    void everyControlIsDescribed();
    void windowFlagsAndSize();
    void closingKeys_data();
    void closingKeys();
    void creditsTimerAndTicks();
    void creditsPainting();
    void creditsKeepTheirContrastUnderADarkPalette();
    void linkOpensMail();
    void linkTurnsBlueWhileHovered_data();
    void linkTurnsBlueWhileHovered();
    void modalOverItsOwner();
};

// ---------------------------------------------------------------- maths

void TestAbout::rowOpacity_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("percent");

    QTest::newRow("below the fade-in row") << 106 << 0;
    QTest::newRow("fade-in row") << 105 << 0;
    QTest::newRow("first step of the fade-in") << 104 << 2;
    QTest::newRow("middle of the fade-in") << 80 << 50;
    QTest::newRow("start of the full band") << 55 << 100;
    QTest::newRow("inside the full band") << 52 << 100;
    QTest::newRow("end of the full band") << 50 << 100;
    QTest::newRow("middle of the fade-out") << 25 << 50;
    QTest::newRow("top row") << 0 << 0;
    QTest::newRow("above the area") << -1 << 0;
}

void TestAbout::rowOpacity()
{
    QFETCH(int, row);
    QFETCH(int, percent);
    QCOMPARE(credits::rowOpacity(row), percent);
}

void TestAbout::textTop_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<int>("textHeight");
    QTest::addColumn<int>("top");

    QTest::newRow("at opening") << 0 << 270 << 105;
    QTest::newRow("one tick") << 1 << 270 << 104;
    QTest::newRow("top edge reached") << 105 << 270 << 0;
    QTest::newRow("last row still in the area") << 374 << 270 << -269;
    QTest::newRow("whole text passed: starts again") << 375 << 270 << 105;
    QTest::newRow("many rounds") << 375 * 1000 + 3 << 270 << 102;
    QTest::newRow("empty text") << 105 << 0 << 105;
}

void TestAbout::textTop()
{
    QFETCH(int, tick);
    QFETCH(int, textHeight);
    QFETCH(int, top);
    QCOMPARE(credits::textTopAt(tick, textHeight), top);
}

void TestAbout::fadeRows()
{
    QImage image(credits::kAreaWidth, credits::kAreaHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 0, 255));
    credits::fadeRows(image);

    const auto alphaAt = [&image](int row) { return qAlpha(image.pixel(140, row)); };
    QCOMPARE(alphaAt(118), 0);
    QCOMPARE(alphaAt(105), 0);
    QCOMPARE(alphaAt(80), 128);   // 50 % of 255, rounded
    QCOMPARE(alphaAt(50), 255);
    QCOMPARE(alphaAt(1), 5);      // 2 % of 255
    QCOMPARE(alphaAt(0), 0);
    // Premultiplied: the colour fades with the alpha, so over a background
    // the two mix in proportion.
    QCOMPARE(qBlue(image.pixel(0, 80)), 128);
    QCOMPARE(qRed(image.pixel(0, 80)), 0);
    QCOMPARE(image.pixel(0, 80), image.pixel(278, 80));
}

void TestAbout::creditsLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isHeader");

    const QString blanks27(27, QLatin1Char(' '));
    QTest::newRow("header, both ampersands") << 0 << "Credits &&" << true;
    QTest::newRow("1") << 1 << "Программа для радиолюбителей. " << false;
    QTest::newRow("2") << 2 << "Позволяет узнать всё о миниатюрном " << false;
    QTest::newRow("3") << 3 << "резисторе по его цветовой маркировке " << false;
    QTest::newRow("4") << 4 << "и наоборот в соответсвие с " << false;
    QTest::newRow("5") << 5 << "ГОСТ 175-72 и публикацией 62 МЭК. " << false;
    QTest::newRow("6") << 6 << "Незаконное распространение " << false;
    QTest::newRow("7") << 7 << "приветствуется." << false;
    QTest::newRow("8 empty") << 8 << "" << false;
    QTest::newRow("9") << 9 << "Это был комментарий к первой версии." << false;
    QTest::newRow("10") << 10 << "Теперь же она может рассчитывать" << false;
    QTest::newRow("11") << 11 << "различные параметры катушек " << false;
    QTest::newRow("12") << 12 << "и резонансных контуров, сохранять " << false;
    QTest::newRow("13") << 13 << "результат работы в файл " << false;
    QTest::newRow("14, 27 blanks first") << 14 << blanks27 + "и многое другое..." << false;
    QTest::newRow("15 empty") << 15 << "" << false;
}

void TestAbout::creditsLines()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(bool, isHeader);
    const QList<credits::CreditsLine> lines = credits::creditsLines();
    QVERIFY(index < lines.size());
    QCOMPARE(lines.at(index).text, text);
    QCOMPARE(lines.at(index).isHeader, isHeader);
}

void TestAbout::creditsLineCount()
{
    // Section one: header and 15 lines; section two: two lines, no header.
    const QList<credits::CreditsLine> lines = credits::creditsLines();
    QCOMPARE(lines.size(), 18);
    QVERIFY(!lines.at(16).isHeader && !lines.at(16).text.isEmpty());
    QVERIFY(lines.at(16).text.contains(QStringLiteral("20")));
    QVERIFY(!lines.at(17).isHeader && !lines.at(17).text.isEmpty());
}

void TestAbout::mailtoUrl()
{
    const QUrl url = about::mailtoUrl(QStringLiteral("bandimor@mail.test"));
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral(" bandimor@mail.test"));
    QCOMPARE(url.toString(),
             QStringLiteral("mailto: bandimor@mail.test?subject=Замечания по Bandimor v 1.7"));
    QCOMPARE(url.toEncoded(),
             QByteArray("mailto:%20bandimor@mail.test?subject="
                        "%D0%97%D0%B0%D0%BC%D0%B5%D1%87%D0%B0%D0%BD%D0%B8%D1%8F%20%D0%BF%D0%BE"
                        "%20Bandimor%20v%201.7"));
}

// ---------------------------------------------------------------- the box

void TestAbout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("frame") << "spSkinGroupBox1" << "QGroupBox" << QRect(8, 8, 281, 145);
    QTest::newRow("credits") << "abfCredits1" << "QWidget" << QRect(1, 25, 279, 119);
    QTest::newRow("button") << "spSkinButton1" << "QPushButton" << QRect(208, 192, 81, 25);
    QTest::newRow("greeting") << "Label2" << "QLabel" << QRect(8, 200, -1, -1);
    QTest::newRow("e-mail caption") << "Label4" << "QLabel" << QRect(8, 216, -1, -1);
    QTest::newRow("link") << "spSkinLinkLabel1" << "QLabel" << QRect(48, 216, 128, 14);
    QTest::newRow("origin") << "Label3" << "QLabel" << QRect(208, 224, 85, 14);
}

void TestAbout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    TfmAbout box(nullptr);
    auto *widget = box.findChild<QWidget *>(name);
    QVERIFY(widget);
    QVERIFY(widget->inherits(className.toLatin1().constData()));
    QCOMPARE(widget->pos(), geometry.topLeft());
    if (geometry.width() > 0)
        QCOMPARE(widget->size(), geometry.size());
}

void TestAbout::everyControlIsDescribed()
{
    TfmAbout box(nullptr);
    const auto children = box.findChildren<QWidget *>();
    int named = 0;
    for (QWidget *child : children) {
        if (child->objectName().isEmpty())
            continue;
        ++named;
        QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
        QVERIFY2(!child->accessibleDescription().isEmpty(), qPrintable(child->objectName()));
    }
    QCOMPARE(named, 7);

    const auto *link = box.findChild<QLabel *>(QStringLiteral("spSkinLinkLabel1"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(box.credits()->cursor().shape(), Qt::ForbiddenCursor);
    // The address fits its 128 pixels.
    QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());
}

void TestAbout::windowFlagsAndSize()
{
    TfmAbout box(nullptr);
    QCOMPARE(box.objectName(), QStringLiteral("fmAbout"));
    const Qt::WindowFlags flags = box.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(box.minimumSize(), QSize(298, 244));
    QCOMPARE(box.maximumSize(), QSize(298, 244));
    // The signature framed by three spaced asterisks on each side.
    QVERIFY(QRegularExpression(QStringLiteral("^\\* \\* \\*  \\S.*\\S  \\* \\* \\*$"))
                .match(box.windowTitle()).hasMatch());
}

void TestAbout::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
}

void TestAbout::closingKeys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    TfmAbout box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    auto *button = box.findChild<QPushButton *>(QStringLiteral("spSkinButton1"));
    QCOMPARE(QApplication::focusWidget(), button);
    QVERIFY(button->isDefault());

    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(box.isVisible(), !closes);
    if (closes)
        QCOMPARE(box.result(), int(QDialog::Accepted));
    // Esc sent to the box itself is swallowed too.
    if (!closes) {
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(box.isVisible());
    }
}

void TestAbout::creditsTimerAndTicks()
{
    TfmAbout box(nullptr);
    CreditsView *view = box.credits();
    QVERIFY(view->timer()->isActive());
    QCOMPARE(view->timer()->interval(), 50);
    view->timer()->stop();

    QCOMPARE(view->textTop(), 105);
    for (int i = 0; i < 30; ++i)
        view->tick();
    QCOMPARE(view->textTop(), 75);

    // Round and round: after one whole loop the text is back at the bottom.
    const int loop = 105 + view->textHeight();
    QCOMPARE(view->textHeight(), 18 * view->lineHeight());
    for (int i = 30; i < loop; ++i)
        view->tick();
    QCOMPARE(view->textTop(), 105);
    QCOMPARE(view->tickCount(), 0);
}

void TestAbout::creditsPainting()
{
    TfmAbout box(nullptr);
    CreditsView *view = box.credits();
    view->timer()->stop();
    const QColor background = view->palette().color(QPalette::Button);

    const auto differingRows = [&](const QImage &image) {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != background) {
                    rows.append(y);
                    break;
                }
        return rows;
    };

    // At the opening the text stands at the fade-in row: nothing shows.
    QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(279, 119));
    QVERIFY(differingRows(image).isEmpty());

    // Later, text shows, but never below the fade-in row nor in the top row.
    for (int i = 0; i < 60; ++i)
        view->tick();
    image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QList<int> rows = differingRows(image);
    QVERIFY(!rows.isEmpty());
    QVERIFY(rows.constFirst() > 0);
    QVERIFY(rows.constLast() < 105);
}

// The fixed blue and red of the credits and the caption stay on light grey
// when the desktop's palette is dark.
void TestAbout::creditsKeepTheirContrastUnderADarkPalette()
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base,
                                           QPalette::Midlight, QPalette::Mid})
        dark.setColor(role, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    TfmAbout box(nullptr);
    CreditsView *view = box.credits();
    view->timer()->stop();
    for (int i = 0; i < 60; ++i)
        view->tick();
    const QImage credits = view->grab().toImage();
    const QImage frame = box.findChild<QWidget *>(QStringLiteral("spSkinGroupBox1"))->grab().toImage();
    QApplication::setPalette(before);

    const auto contrastOnBlue = [](const QColor &ground) {
        return pictures::contrastRatio(QColor(Qt::blue), ground);
    };
    QVERIFY2(contrastOnBlue(credits.pixelColor(0, 118)) >= 4.5, qPrintable(credits.pixelColor(0, 118).name()));
    // The caption bar behind the red caption, beside its text.
    QVERIFY2(contrastOnBlue(frame.pixelColor(3, 12)) >= 4.5, qPrintable(frame.pixelColor(3, 12).name()));
    // Some text has scrolled in and is drawn in blue or red.
    bool coloured = false;
    for (int y = 0; y < credits.height() && !coloured; ++y)
        for (int x = 0; x < credits.width() && !coloured; ++x)
            coloured = credits.pixelColor(x, y).saturation() > 128;
    QVERIFY(coloured);
}

void TestAbout::linkOpensMail()
{
    FakeDialogs dialogs;
    dialogs.shellResult = false;   // no mail program: still nothing reported
    TfmAbout box(nullptr);
    box.show();
    auto *link = box.findChild<LinkLabel *>(QStringLiteral("spSkinLinkLabel1"));
    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(dialogs.shellRequests.size(), 1);
    QCOMPARE(dialogs.shellRequests.constFirst(), about::mailtoUrl(QStringLiteral("bandimor@mail.test")));
    QCOMPARE(dialogs.shellRequests.constFirst().toString(),
             QStringLiteral("mailto: bandimor@mail.test?subject=Замечания по Bandimor v 1.7"));
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(box.isVisible());

    // A right click is not a click on the link.
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(dialogs.shellRequests.size(), 1);
}

void TestAbout::linkTurnsBlueWhileHovered_data()
{
    QTest::addColumn<QColor>("link");
    QTest::newRow("light desktop") << QColor(Qt::blue);
    QTest::newRow("dark desktop, a lighter blue") << QColor(0x7f, 0xb4, 0xff);
}

void TestAbout::linkTurnsBlueWhileHovered()
{
    QFETCH(QColor, link);
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::Link, link);
    QApplication::setPalette(desktop);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    TfmAbout box(nullptr);
    box.show();
    auto *label = box.findChild<LinkLabel *>(QStringLiteral("spSkinLinkLabel1"));
    const QColor normal = label->palette().color(QPalette::WindowText);
    QVERIFY(normal != link);

    const QPointF inside(10, 5);
    QEnterEvent enter(inside, label->mapToGlobal(inside), label->mapToGlobal(inside));
    QApplication::sendEvent(label, &enter);
    QCOMPARE(label->palette().color(QPalette::WindowText), link);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    QCOMPARE(label->palette().color(QPalette::WindowText), normal);
}

void TestAbout::modalOverItsOwner()
{
    QWidget owner;
    auto *ownerButton = new QPushButton(QStringLiteral("owner"), &owner);
    int ownerClicks = 0;
    connect(ownerButton, &QPushButton::clicked, this, [&ownerClicks] { ++ownerClicks; });
    owner.resize(200, 100);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    for (int opening = 0; opening < 2; ++opening) {
        // Seen from inside the modal loop; checked once it has ended, so a
        // failure cannot leave the box open.
        TfmAbout *box = nullptr;
        QWidget *parent = nullptr;
        bool modal = false;
        int textTop = 0;
        int offCentre = -1;
        int clicksWhileOpen = -1;
        QTimer::singleShot(0, this, [&] {
            box = qobject_cast<TfmAbout *>(QApplication::activeModalWidget());
            if (!box)
                return;
            parent = box->parentWidget();
            modal = box->isModal() && box->isVisible();
            textTop = box->credits()->textTop();
            const QRect screen = box->screen()->availableGeometry();
            offCentre = (box->frameGeometry().center() - screen.center()).manhattanLength();
            // Through the window system, where modality is enforced.
            QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              ownerButton->geometry().center());
            clicksWhileOpen = ownerClicks;
            box->findChild<QPushButton *>(QStringLiteral("spSkinButton1"))->click();
        });
        QCOMPARE(TfmAbout::showModal(&owner), int(QDialog::Accepted));

        QVERIFY(box);
        QCOMPARE(parent, &owner);
        QVERIFY(modal);
        // Each opening starts the credits anew.
        QVERIFY(textTop > 100);
        QVERIFY(offCentre >= 0 && offCentre <= 2);
        // The owner took no input while the box was open.
        QCOMPARE(clicksWhileOpen, 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(owner.findChildren<TfmAbout *>().isEmpty());
    }
    QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      ownerButton->geometry().center());
    QCOMPARE(ownerClicks, 1);
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
