// SPDX-License-Identifier: GPL-3.0-or-later
// The results log's file: its name and caption, the question about unsaved
// changes, open, save, save as, print and font.

#include "coil/window/ResultsLog.h"

#include "base/AppError.h"
#include "base/AppInfo.h"
#include "coil/LogFileIo.h"
#include "coil/LogFileNames.h"
#include "coil/window/LogPrinting.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QPrinter>

namespace coil {
namespace {

ui::FileRequest fileRequest(const QString &directory)
{
    ui::FileRequest request;
    request.directory = directory;
    request.filters = qtNameFilters(logFileFilterString());
    request.selectedFilter = 0;
    return request;
}

ui::Answer ask(QWidget *parent, const QString &text, const QString &caption, ui::Buttons buttons,
              ui::Answer defaultButton)
{
    ui::MessageRequest request;
    request.text = text;
    request.caption = caption;
    request.icon = ui::Icon::Question;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return ui::dialogs().message(parent, request);
}

} // namespace

void ResultsLog::SetLogFileName(const QString &name)
{
    m_fileName = name;
    emit captionChanged(caption());
}

QString ResultsLog::caption() const
{
    return logCaption(m_fileName);
}

void ResultsLog::AskSaveChanges()
{
    if (!isModified())
        return;
    const QString text = QStringLiteral("Сохранить изменения в ") + m_fileName + QStringLiteral(" ?");
    // Enter keeps the log: a reflex key must not drop unsaved results.
    switch (ask(window(), text, QStringLiteral("Подтверждение"), ui::Buttons::YesNoCancel, ui::Answer::Yes)) {
    case ui::Answer::Yes:
        saveFile();
        return;
    case ui::Answer::Cancel:
        throw CommandAborted();
    case ui::Answer::No:
    case ui::Answer::Ok:
        return;
    }
}

void ResultsLog::LoadLogFile(const QString &name)
{
    const ui::BusyCursor busy;
    // Read first: a file that cannot be read leaves the log as it was.
    const QByteArray fileData = readLogFileBytes(name);
    loadContent(fileData);
    SetLogFileName(name);
    setModified(false);
}

void ResultsLog::openFile()
{
    AskSaveChanges();
    const ui::FileChoice choice = ui::dialogs().openFile(window(), fileRequest(m_dialogDirectory));
    if (choice.path.isEmpty())
        return;
    LoadLogFile(choice.path);
}

void ResultsLog::saveFile()
{
    if (m_fileName == untitledLogName()) {
        saveFileAs();
        return;
    }
    writeLog(m_fileName);
}

void ResultsLog::saveFileAs()
{
    const ui::FileChoice choice = ui::dialogs().saveFile(window(), fileRequest(m_dialogDirectory));
    if (choice.path.isEmpty())
        return;
    const QString path = withDefaultExtension(choice.path, logFileFilterString(), choice.selectedFilter);
    // A folder of that name is no file to overwrite: writing reports it. Any
    // other thing of that name (a pipe, a device) is asked about, and writing
    // then refuses to replace it.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isDir()
        && ask(window(), QStringLiteral("Файл уже существует.  Перезаписать его?"),
               QStringLiteral("Вопрос"), ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;
    writeLog(path);
    SetLogFileName(path);
}

void ResultsLog::writeLog(const QString &path)
{
    const ui::BusyCursor busy;
    const QByteArray rtf = rtfContent();
    writeLogFileBytes(path, rtf);
    m_unchangedContent = rtf;
    setModified(false);
}

void ResultsLog::printLog()
{
    QPrinter printer;
    if (!ui::dialogs().setUpPrinter(window(), &printer))
        return;
    printer.setDocName(printJobName(m_fileName));
    const ui::BusyCursor busy;
    printLogDocument(*document(), &printer, logTextColor());
}

ui::FontChoice ResultsLog::shownFormat() const
{
    // The face the log is really drawn in: "Times New Roman" may be missing
    // and drawn by a look-alike, which the dialog lists under its own name.
    const QFontInfo drawn(m_font);
    QFont font = m_font;
    font.setFamily(drawn.family());
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(drawn.pointSizeF());
    return {font, palette().color(QPalette::Text)};
}

void ResultsLog::chooseFont()
{
    const ui::FontChoice shown = shownFormat();
    const std::optional<ui::FontChoice> chosen = ui::dialogs().chooseFont(window(), shown);
    if (!chosen)
        return;
    const QFont &font = chosen->font;
    const bool sameFace = font.family().compare(shown.font.family(), Qt::CaseInsensitive) == 0;
    if (!sameFace || font.pointSizeF() != shown.font.pointSizeF() || font.weight() != shown.font.weight()
        || font.italic() != shown.font.italic() || font.underline() != shown.font.underline()
        || font.strikeOut() != shown.font.strikeOut()) {
        QFont changed = font;
        // The same face keeps the name it was given (and stored) by.
        if (sameFace)
            changed.setFamily(m_font.family());
        setLogFont(changed);
    }
    if (chosen->color.isValid() && chosen->color != shown.color)
        setLogTextColor(chosen->color);
}

} // namespace coil
