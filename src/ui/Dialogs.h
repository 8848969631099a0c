// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box, file, print and font dialog, the shell and the beep go
// through this seam. The program uses Qt's own dialogs; tests install a
// replacement that answers without a person.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QUrl;
class QWidget;

namespace ui {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest
{
    QString text;
    QString caption;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
    // Stays above every window, those that stay on top themselves included
    // (such as the splash).
    bool onTop = false;
};

struct FileRequest
{
    QString caption;
    QString directory;
    // Qt's filter list, one entry per file type: "Rich Text Files (*.RTF)".
    QStringList filters;
    int selectedFilter = 0;
};

struct FileChoice
{
    QString path;            // full path; empty when the dialog was cancelled
    int selectedFilter = 0;  // index into FileRequest::filters
};

// What the font dialog shows and returns: the font with its effects, and the
// text colour.
struct FontChoice
{
    QFont font;
    QColor color;
};

class DialogSeam
{
public:
    virtual ~DialogSeam() = default;

    virtual Answer message(QWidget *parent, const MessageRequest &request) = 0;
    // Only an existing file can be chosen.
    virtual FileChoice openFile(QWidget *parent, const FileRequest &request) = 0;
    // Asks no overwrite question of its own.
    virtual FileChoice saveFile(QWidget *parent, const FileRequest &request) = 0;
    // Lets the user set up the printer; false when cancelled.
    virtual bool setUpPrinter(QWidget *parent, QPrinter *printer) = 0;
    // Face, size, style, underline, strikeout and colour; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &initial) = 0;
    // Opens a file or address with the desktop's default program and returns
    // at once; onFailure (may be empty) runs later, from the event loop, when
    // the desktop reports that it could not open it.
    virtual void openWithShell(const QUrl &url, const std::function<void()> &onFailure) = 0;
    virtual void beep() = 0;
};

// The program's own notice: the text with the caption "К сведению...", the
// icon and an OK button.
void showNotice(QWidget *parent, const QString &text, Icon icon);

// A file-type filter whose patterns match in either case: "Rich Text Files
// (*.RTF)" becomes "Rich Text Files (*.RTF *.rtf)".
QString filterMatchingBothCases(const QString &filter);

// The seam in force: Qt's dialogs unless a test installed its own.
DialogSeam &dialogs();
// Installs a replacement (not owned); nullptr restores Qt's dialogs.
void setDialogs(DialogSeam *seam);

} // namespace ui
