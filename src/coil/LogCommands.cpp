#include "coil/LogCommands.h"

#include "app/AppError.h"
#include "app/AppInfo.h"
#include "coil/LogFileIo.h"
#include "coil/LogFileNames.h"
#include "coil/LogPrinting.h"
#include "coil/ResultsLog.h"
#include "ui/Dialogs.h"

#include <QFileInfo>
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

ui::Answer ask(QWidget *parent, const QString &text, const QString &caption, ui::Buttons buttons)
{
    ui::MessageRequest request;
    request.text = text;
    request.caption = caption;
    request.icon = ui::Icon::Question;
    request.buttons = buttons;
    request.defaultButton = ui::Answer::No;
    return ui::dialogs().message(parent, request);
}

} // namespace

LogCommands::LogCommands(ResultsLog *log, QObject *parent)
    : QObject(parent)
    , m_log(log)
    , m_fileName(untitledLogName())
    , m_dialogDirectory(app::executableDir())
{
}

void LogCommands::SetLogFileName(const QString &name)
{
    m_fileName = name;
    emit captionChanged(caption());
}

QString LogCommands::caption() const
{
    return logCaption(m_fileName);
}

QWidget *LogCommands::dialogParent() const
{
    return m_log->window();
}

void LogCommands::AskSaveChanges()
{
    if (!m_log->isModified())
        return;
    const QString text = QStringLiteral("Сохранить изменения в ") + m_fileName + QStringLiteral(" ?");
    switch (ask(dialogParent(), text, QStringLiteral("Подтверждение"), ui::Buttons::YesNoCancel)) {
    case ui::Answer::Yes:
        FileSaveClick();
        return;
    case ui::Answer::Cancel:
        throw CommandAborted();
    case ui::Answer::No:
    case ui::Answer::Ok:
        return;
    }
}

void LogCommands::LoadLogFile(const QString &name)
{
    // Read first: a file that cannot be read leaves the log as it was.
    const QByteArray data = readLogFileBytes(name);
    m_log->loadContent(data);
    SetLogFileName(name);
    m_log->setModified(false);
}

void LogCommands::N2Click()
{
    AskSaveChanges();
    const ui::FileChoice choice = ui::dialogs().openFile(dialogParent(), fileRequest(m_dialogDirectory));
    if (choice.path.isEmpty())
        return;
    LoadLogFile(choice.path);
}

void LogCommands::FileSaveClick()
{
    if (m_fileName == untitledLogName()) {
        FileSaveAsClick();
        return;
    }
    writeLog(m_fileName);
}

void LogCommands::FileSaveAsClick()
{
    const ui::FileChoice choice = ui::dialogs().saveFile(dialogParent(), fileRequest(m_dialogDirectory));
    if (choice.path.isEmpty())
        return;
    const QString path = withDefaultExtension(choice.path, logFileFilterString(), choice.selectedFilter);
    // A folder of that name is no file to overwrite: writing reports it.
    if (QFileInfo(path).isFile()
        && ask(dialogParent(), QStringLiteral("Файл уже существует.  Перезаписать его?"),
               QStringLiteral("Вопрос"), ui::Buttons::YesNo) != ui::Answer::Yes)
        return;
    writeLog(path);
    SetLogFileName(path);
}

void LogCommands::writeLog(const QString &path)
{
    writeLogFileBytes(path, m_log->rtfContent());
    m_log->setModified(false);
}

void LogCommands::spSkinButton1Click()
{
    m_log->clearLog();
}

void LogCommands::N9Click()
{
    QPrinter printer;
    if (!ui::dialogs().setUpPrinter(dialogParent(), &printer))
        return;
    printer.setDocName(m_fileName);
    printLogDocument(*m_log->document(), &printer, m_log->logTextColor());
}

void LogCommands::N11Click()
{
    const std::optional<QFont> font = ui::dialogs().chooseFont(dialogParent(), m_log->logFont());
    if (font)
        m_log->setLogFont(*font);
}

void LogCommands::N18Click() { m_log->undoOrRedo(); }
void LogCommands::N14Click() { m_log->cutSelection(); }
void LogCommands::N15Click() { m_log->copySelection(); }
void LogCommands::N16Click() { m_log->pasteClipboard(); }
void LogCommands::N17Click() { m_log->deleteSelection(); }

} // namespace coil
