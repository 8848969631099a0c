// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the program's name and version over the scrolling credits,
// a greeting, and a link for writing to the makers; with its own texts.

#include <QDialog>
#include <QString>
#include <QUrl>

// The about box's own texts and the address of the mail link.
namespace app::about {

QString signature();          // "Bandimor project"
QString boxCaption();         // the signature framed by "* * *" on each side
QString versionCaption();     // "Bandimor v 1.7", the frame's caption
QString buttonCaption();      // "Так и есть"
QString greeting();           // the one-line greeting under the frame
QString originLine();         // the short line about where the program comes from
QString mailAddress();        // shown by the link and used in the letter;
                              // short enough for the link's 128 pixels

// The address handed to the shell: "mailto: " (with its blank), the
// address, "?subject=Замечания по Bandimor v 1.7". Decoded, the URL gives
// that text back unchanged; the blanks and Cyrillic letters travel
// percent-encoded as UTF-8, which mail programs decode.
QUrl mailtoUrl(const QString &address);

} // namespace app::about

class CaptionFrame;
class CreditsView;
class LinkLabel;
class QLabel;
class QPushButton;

// Modal over its owner, closed only by "Так и есть" (or Enter); Esc does nothing.
// Its caption carries the title alone: the window manager is asked for no
// menu and no minimise, maximise or close box, and where it draws them
// anyway, its close request is refused and a minimised box comes back.
class TfmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfmAbout(QWidget *owner);

    // Opens a new box over the owner, waits until it is closed, destroys it.
    static int showModal(QWidget *owner);

    CreditsView *credits() const { return abfCredits1; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void spSkinButton1Click();
    void spSkinLinkLabel1Click();

private:
    void buildLabels();
    void centreOnScreen();
    void centreAgainIfFrameChanged();
    void restoreFromMinimised();

    CaptionFrame *spSkinGroupBox1;
    CreditsView *abfCredits1;
    QPushButton *spSkinButton1;
    QLabel *Label2;
    QLabel *Label4;
    LinkLabel *spSkinLinkLabel1;
    QLabel *Label3;
    // The frame size the box was last centred for.
    QSize m_centredFrame;
};
