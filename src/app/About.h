#pragma once
// The about box: the program's name and version over the scrolling credits,
// a greeting, and a link for writing to the makers. Modal over its owner,
// closed only by "Так и есть" (or Enter); Esc does nothing.

#include <QDialog>

class CaptionFrame;
class CreditsView;
class LinkLabel;
class QLabel;
class QPushButton;

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

private slots:
    void spSkinButton1Click();
    void spSkinLinkLabel1Click();

private:
    void centreOnScreen();

    CaptionFrame *spSkinGroupBox1;
    CreditsView *abfCredits1;
    QPushButton *spSkinButton1;
    QLabel *Label2;
    QLabel *Label4;
    LinkLabel *spSkinLinkLabel1;
    QLabel *Label3;
};
