// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/About.h"

#include "app/Credits.h"
#include "base/AppInfo.h"
#include "ui/CaptionFrame.h"
#include "ui/LinkLabel.h"
#include "ui/BaseFont.h"
#include "ui/ControlText.h"
#include "ui/Dialogs.h"
#include "ui/WindowPosition.h"

#include <QGuiApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace app::about {

QString signature()
{
    return QStringLiteral("Bandimor project");
}

QString boxCaption()
{
    return QStringLiteral("* * *  ") + signature() + QStringLiteral("  * * *");
}

QString versionCaption()
{
    return base::mainWindowCaption();
}

QString buttonCaption()
{
    return QStringLiteral("Так и есть");
}

QString greeting()
{
    return QStringLiteral("Удачи в эфире!");
}

QString originLine()
{
    return QStringLiteral("Сделано на Qt 6");
}

QString mailAddress()
{
    return QStringLiteral("bandimor@mail.test");
}

QUrl mailtoUrl(const QString &address)
{
    // Parsed from the whole text, so the blank after the colon stays part
    // of the address as the shell expects it.
    return QUrl(QStringLiteral("mailto: ") + address
                    + QStringLiteral("?subject=Замечания по ") + base::mainWindowCaption(),
                QUrl::TolerantMode);
}

namespace {

// The caption and the credits are drawn in fixed red and blue, which read
// on the light greys of the design only: the frame keeps them under a dark
// desktop palette too.
QPalette designGreys(QPalette palette)
{
    palette.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    palette.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
    palette.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

} // namespace

} // namespace app::about

TfmAbout::TfmAbout(QWidget *owner)
    // A title and nothing else in the caption: without the system menu,
    // minimise, maximise and close hints Qt asks the window manager (in the
    // Motif hints) for moving and resizing only; the fixed size rules out
    // resizing.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowStaysOnTopHint)
{
    using namespace app::about;

    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(boxCaption());
    setModal(true);
    setFixedSize(298, 244);
    setFont(ui::windowBaseFont());

    spSkinGroupBox1 = new CaptionFrame(versionCaption(), 24, this);
    spSkinGroupBox1->setObjectName(QStringLiteral("spSkinGroupBox1"));
    QFont captionFont = ui::pixelFont(QStringLiteral("Courier New"), 16);
    captionFont.setBold(true);
    spSkinGroupBox1->setFont(captionFont);
    spSkinGroupBox1->setCaptionColor(Qt::red);
    spSkinGroupBox1->setPalette(designGreys(spSkinGroupBox1->palette()));
    spSkinGroupBox1->setGeometry(8, 8, 281, 145);
    ui::setAccessibleTexts(spSkinGroupBox1, versionCaption(), QStringLiteral("Название и версия программы"));

    abfCredits1 = new CreditsView(spSkinGroupBox1);
    abfCredits1->setGeometry(1, 25, app::credits::kAreaWidth, app::credits::kAreaHeight);

    spSkinButton1 = new QPushButton(buttonCaption(), this);
    spSkinButton1->setObjectName(QStringLiteral("spSkinButton1"));
    spSkinButton1->setFont(ui::pixelFont(QStringLiteral("Arial"), 14));
    spSkinButton1->setGeometry(208, 192, 81, 25);
    spSkinButton1->setDefault(true);
    ui::setAccessibleTexts(spSkinButton1, buttonCaption(), QStringLiteral("Закрыть окно о программе"));
    connect(spSkinButton1, &QPushButton::clicked, this, &TfmAbout::spSkinButton1Click);

    buildLabels();

    // Only the button takes the focus, so it is first in the tab order.
    spSkinButton1->setFocus();
    centreOnScreen();
}

void TfmAbout::buildLabels()
{
    using namespace app::about;
    // A label without a width sizes itself to its text.
    const auto label = [&](QLabel *item, const QString &name, const QString &description,
                           const QRect &place) {
        item->setObjectName(name);
        if (place.width() > 0) {
            item->setGeometry(place);
        } else {
            item->move(place.topLeft());
            item->adjustSize();
        }
        ui::setAccessibleTexts(item, item->text(), description);
        return item;
    };
    Label2 = label(new QLabel(greeting(), this), QStringLiteral("Label2"), QStringLiteral("Приветствие"),
                   QRect(8, 200, 0, 0));
    Label4 = label(new QLabel(QStringLiteral("E-mail:"), this), QStringLiteral("Label4"),
                   QStringLiteral("Адрес для писем о программе"), QRect(8, 216, 0, 0));

    spSkinLinkLabel1 = new LinkLabel(mailAddress(), this);
    QFont linkFont = ui::pixelFont(QStringLiteral("Arial"), 14);
    linkFont.setUnderline(true);
    spSkinLinkLabel1->setFont(linkFont);
    spSkinLinkLabel1->setAlignment(Qt::AlignCenter);
    label(spSkinLinkLabel1, QStringLiteral("spSkinLinkLabel1"),
          QStringLiteral("Написать письмо с замечаниями по программе"), QRect(48, 216, 128, 14));
    connect(spSkinLinkLabel1, &LinkLabel::clicked, this, &TfmAbout::spSkinLinkLabel1Click);

    Label3 = new QLabel(originLine(), this);
    Label3->setFont(ui::pixelFont(QStringLiteral("Times New Roman"), 11));
    label(Label3, QStringLiteral("Label3"), QStringLiteral("Происхождение программы"),
          QRect(208, 224, 85, 14));
}

int TfmAbout::showModal(QWidget *owner)
{
    TfmAbout box(owner);
    return box.exec();
}

void TfmAbout::centreOnScreen()
{
    // On the main window's screen, whichever window opened the box.
    const QRect area = ui::openingScreenArea(parentWidget());
    if (area.isEmpty())
        return;
    // The whole window, frame included, is centred. move() places the
    // frame's corner, and a box moved before it is shown keeps its place
    // rather than being centred over its owner by Qt.
    m_centredFrame = frameGeometry().size();
    move(area.center() - QRect(QPoint(), m_centredFrame).center());
}

void TfmAbout::centreAgainIfFrameChanged()
{
    // The frame's size is known only once the window manager has framed the
    // shown box: centre it once more then. Later moves by the user stay.
    if (isVisible() && frameGeometry().size() != m_centredFrame)
        centreOnScreen();
}

void TfmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Where the frame is known as soon as the box is shown.
    centreAgainIfFrameChanged();
}

void TfmAbout::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    centreAgainIfFrameChanged();
}

void TfmAbout::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    centreAgainIfFrameChanged();
}

void TfmAbout::closeEvent(QCloseEvent *event)
{
    // A close request from the window manager (a close box it draws
    // regardless of the hints, its window menu, a taskbar) arrives as a
    // spontaneous event; the box closes only through its button.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfmAbout::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Minimised by the window manager, the box would take its owner along
    // while the owner's input stays blocked: it comes straight back.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, &TfmAbout::restoreFromMinimised);
}

void TfmAbout::restoreFromMinimised()
{
    // Closed meanwhile: nothing to bring back.
    if (!isVisible())
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TfmAbout::keyPressEvent(QKeyEvent *event)
{
    // The box has no way out but its button; Esc is swallowed.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfmAbout::spSkinButton1Click()
{
    accept();
}

void TfmAbout::spSkinLinkLabel1Click()
{
    // A failure to open the mail program is not reported.
    ui::dialogs().openWithShell(app::about::mailtoUrl(app::about::mailAddress()), {});
}
