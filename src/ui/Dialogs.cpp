// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include "ui/DesktopOpener.h"
#include "ui/FontColourDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

namespace ui {
namespace {

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQtButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QFileDialog::Options fileOptions()
{
    // No overwrite question of the dialog's own: Save as asks its own. Qt's
    // own dialog, which knows of a typed name without an extension.
    return QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog;
}

// The patterns of a filter such as "Rich Text Files (*.RTF *.rtf)", and
// where their parenthesis starts; none and -1 for a filter without them.
struct FilterPatterns
{
    QStringList patterns;
    qsizetype start = -1;
};

FilterPatterns filterPatterns(const QString &filter)
{
    static const QRegularExpression inParentheses(QStringLiteral("\\(([^)]*)\\)$"));
    const QRegularExpressionMatch match = inParentheses.match(filter);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts), match.capturedStart(0)};
}

// The extensions of a filter's patterns: "Rich Text Files (*.RTF *.rtf)"
// gives "RTF", "rtf"; "*.*" gives none.
QStringList filterExtensions(const QString &filter)
{
    QStringList extensions;
    for (const QString &pattern : filterPatterns(filter).patterns) {
        const QString extension = pattern.mid(2);
        if (pattern.startsWith(QLatin1String("*.")) && !extension.contains(QLatin1Char('*'))
            && !extension.contains(QLatin1Char('?')))
            extensions.append(extension);
    }
    return extensions;
}

// The extension of the selected filter with which the typed name names a
// file of the folder: first one that gives a name as it is on disk, then
// one that finds a file at all (a file system that ignores case finds
// coil.rtf as coil.RTF). Empty when none does.
QString extensionOfTypedName(const QFileInfo &typed, const QStringList &extensions)
{
    const QStringList names = typed.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &extension : extensions) {
        if (names.contains(typed.fileName() + QLatin1Char('.') + extension, Qt::CaseSensitive))
            return extension;
    }
    for (const QString &extension : extensions) {
        if (QFileInfo(typed.filePath() + QLatin1Char('.') + extension).isFile())
            return extension;
    }
    return QString();
}

class FileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        // A name typed without an extension in the open dialog means the
        // file of the selected type: "coil" opens coil.RTF (or coil.rtf).
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptOpen && chosen.size() == 1) {
            const QFileInfo typed(chosen.constFirst());
            if (!typed.exists() && !typed.fileName().contains(QLatin1Char('.'))) {
                const QString extension = extensionOfTypedName(typed, filterExtensions(selectedNameFilter()));
                if (!extension.isEmpty())
                    setDefaultSuffix(extension);
            }
        }
        QFileDialog::accept();
        // Kept for selectedFiles() once accepted; a name refused starts afresh.
        if (isVisible())
            setDefaultSuffix(QString());
    }
};

FileChoice runFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    QStringList shownFilters;
    for (const QString &filter : request.filters)
        shownFilters.append(filterMatchingBothCases(filter));

    FileDialog dialog(parent, request.caption, request.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOptions(fileOptions());
    dialog.setNameFilters(shownFilters);
    if (request.selectedFilter >= 0 && request.selectedFilter < shownFilters.size())
        dialog.selectNameFilter(shownFilters.at(request.selectedFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(),
            int(shownFilters.indexOf(dialog.selectedNameFilter()))};
}

class QtDialogs final : public DialogSeam
{
public:
    Answer message(QWidget *parent, const MessageRequest &request) override
    {
        QMessageBox box(toQtIcon(request.icon), request.caption, request.text,
                        QMessageBox::NoButton, parent);
        switch (request.buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        box.setDefaultButton(toQtButton(request.defaultButton));
        // Set last: setWindowModality() would drop it again.
        if (request.onTop)
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: break;
        }
        // Closing a Yes/No/Cancel box with Esc or its close box means Cancel.
        return request.buttons == Buttons::YesNoCancel ? Answer::Cancel
             : request.buttons == Buttons::YesNo ? Answer::No
                                                 : Answer::Ok;
    }

    FileChoice openFile(QWidget *parent, const FileRequest &request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptOpen);
    }

    FileChoice saveFile(QWidget *parent, const FileRequest &request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptSave);
    }

    bool setUpPrinter(QWidget *parent, QPrinter *printer) override
    {
        QPrintDialog dialog(printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &initial) override
    {
        FontColourDialog dialog(initial, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    }

    void openWithShell(const QUrl &url, const std::function<void()> &onFailure) override
    {
        // A local file goes to the desktop's opener, whose verdict counts;
        // an address (mailto:) to Qt, which only reports that it handed it on.
        if (url.isLocalFile()) {
            openWithDesktop(url.toLocalFile(), [onFailure](bool opened) {
                if (!opened && onFailure)
                    onFailure();
            });
            return;
        }
        if (!QDesktopServices::openUrl(url) && onFailure)
            QTimer::singleShot(0, qApp, onFailure);
    }

    void beep() override { QApplication::beep(); }
};

QtDialogs &qtDialogs()
{
    static QtDialogs instance;
    return instance;
}

DialogSeam *installed = nullptr;

} // namespace

// "Rich Text Files (*.RTF)" also lists "coil.rtf": the patterns are written
// in upper case, but on Linux the dialog matches them case-sensitively.
QString filterMatchingBothCases(const QString &filter)
{
    const FilterPatterns found = filterPatterns(filter);
    if (found.start < 0)
        return filter;
    QStringList both;
    for (const QString &pattern : found.patterns) {
        both.append(pattern);
        if (pattern.toLower() != pattern)
            both.append(pattern.toLower());
    }
    return filter.left(found.start) + QLatin1Char('(') + both.join(QLatin1Char(' ')) + QLatin1Char(')');
}

DialogSeam &dialogs()
{
    return installed ? *installed : qtDialogs();
}

void setDialogs(DialogSeam *seam)
{
    installed = seam;
}

void showNotice(QWidget *parent, const QString &text, Icon icon)
{
    dialogs().message(parent, {text, QStringLiteral("К сведению..."), icon, Buttons::Ok, Answer::Ok});
}

} // namespace ui
