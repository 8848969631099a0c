#pragma once
// The coil window's commands on its results log: file name and caption, the
// question about unsaved changes, open, save, save as, clear, print, font and
// the edit menu. Each handler is meant to run inside ui::runCommand: errors
// are thrown as AppError, the answer Cancel as CommandAborted.
//
//   auto *commands = new coil::LogCommands(RichEdit1, this);
//   connect(commands, &coil::LogCommands::captionChanged, this, &QWidget::setWindowTitle);
//   void TfmContura::N2Click() { ui::runCommand(this, [this] { m_logCommands->N2Click(); }); }

#include <QObject>
#include <QString>

namespace coil {

class ResultsLog;

class LogCommands : public QObject
{
    Q_OBJECT
public:
    // Starts untitled, with both file dialogs in the executable's directory.
    explicit LogCommands(ResultsLog *log, QObject *parent = nullptr);

    ResultsLog *log() const { return m_log; }

    // Full path of the log's file, or "Безымянный" while it has none.
    QString LogFileName() const { return m_fileName; }
    void SetLogFileName(const QString &name);
    // "{name} - Bandimor v1.7", for the window's title.
    QString caption() const;

    // Where the open and save dialogs start.
    QString dialogDirectory() const { return m_dialogDirectory; }
    void setDialogDirectory(const QString &directory) { m_dialogDirectory = directory; }

    // When the log is modified: "Сохранить изменения в ... ?" Yes saves (a
    // cancelled save dialog goes on all the same), No goes on, Cancel throws
    // CommandAborted.
    void AskSaveChanges();
    // Reads the file into the log, takes its name, clears the modified flag.
    void LoadLogFile(const QString &name);

    void N2Click();             // Open
    void FileSaveClick();       // Save
    void FileSaveAsClick();     // Save as
    void spSkinButton1Click();  // Clear
    void N9Click();             // Print
    void N11Click();            // Font
    void N18Click();            // Undo / redo
    void N14Click();            // Cut
    void N15Click();            // Copy
    void N16Click();            // Paste
    void N17Click();            // Delete the selection

signals:
    void captionChanged(const QString &caption);

private:
    QWidget *dialogParent() const;
    void writeLog(const QString &path);

    ResultsLog *m_log;
    QString m_fileName;
    QString m_dialogDirectory;
};

} // namespace coil
