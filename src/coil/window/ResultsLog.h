// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// RichEdit1, the coil window's results log: an editable rich-text document
// that the calculations append their blocks to. It keeps the log's default
// character format, its capacity, the one-step undo of the edit menu, and
// makes Del delete only a selection; and its file: the name, the question
// about unsaved changes, open, save, save as, print and font.
//
// The file commands are meant to run inside ui::runCommand: errors are thrown
// as AppError, the answer Cancel as CommandAborted.

#include "ui/Dialogs.h"

#include <QPlainTextEdit>
#include <optional>

namespace coil {

class ResultsLog : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ResultsLog(QWidget *parent = nullptr);

    // The line list view used by the block writers.
    int lineCount() const;
    // Appends text as the new last line in the default character format; not
    // undoable, sets the modified flag; the caret and selection stay where
    // they were. Throws AppError "RichEdit line insertion error" when the line
    // does not fit into the capacity.
    void appendLine(const QString &text);
    // Scrolls the view to the log's last line (the end of a block just
    // written); the caret and the selection stay where they were.
    void showLastLine();

    // The document's own modified flag (QPlainTextEdit::modificationChanged
    // reports its changes).
    bool isModified() const;
    void setModified(bool modified);

    // The default character format: face, size, style, effects, colour and the
    // character set number (only its low 8 bits are kept). A change sets the
    // modified flag.
    static QFont designFont();
    QFont logFont() const;
    void setLogFont(const QFont &font);
    QColor logTextColor() const { return m_textColor; }  // invalid: the palette's
    void setLogTextColor(const QColor &color);
    int logCharset() const { return m_charset; }
    void setLogCharset(int charset);
    static constexpr int kDefaultCharset = 1;

    // Characters the log may hold; typing and pasting beyond it are refused.
    int capacity() const { return m_capacity; }
    void setCapacity(int capacity) { m_capacity = capacity; }

    // Replaces the whole content with a file's data (RTF, else plain text),
    // not undoable; raises the capacity to that of an opened log.
    void loadContent(const QByteArray &fileData);
    // The whole content as RTF.
    QByteArray rtfContent() const;
    // Empties the log, not undoable, and clears the modified flag.
    void clearLog();
    // "Очистить": asks about unsaved changes first (AskSaveChanges), then
    // empties the log in one step that "Отменить" takes back, and clears the
    // modified flag.
    void emptyLog();
    // The content as last opened, saved or emptied (file data or RTF), while
    // the text has not changed since; nothing once it has.
    std::optional<QByteArray> unchangedContent() const { return m_unchangedContent; }

    // The edit menu's commands.
    void undoOrRedo();        // one step: undo, and given again right after, redo
    void cutSelection();
    void copySelection();
    void pasteClipboard();
    void deleteSelection();   // with no selection nothing happens

    // Full path of the log's file, or "Безымянный" while it has none.
    QString LogFileName() const { return m_fileName; }
    void SetLogFileName(const QString &name);
    // "{name} - Bandimor v1.7", for the window's title.
    QString caption() const;

    // Where the open and save dialogs start (the executable's folder at first).
    QString dialogDirectory() const { return m_dialogDirectory; }
    void setDialogDirectory(const QString &directory) { m_dialogDirectory = directory; }

    // When the log is modified: "Сохранить изменения в ... ?" Yes saves (a
    // cancelled save dialog goes on all the same), No goes on, Cancel throws
    // CommandAborted.
    void AskSaveChanges();
    // Reads the file into the log, takes its name, clears the modified flag.
    void LoadLogFile(const QString &name);

    // The file menu's commands, each with its dialog.
    void openFile();
    void saveFile();
    void saveFileAs();
    void printLog();
    // The font dialog opens on the face and size the log is drawn in and its
    // text colour; OK without a change changes nothing. The colour becomes
    // the log's text colour (shown and printed), not part of the settings.
    void chooseFont();

signals:
    void captionChanged(const QString &caption);
    // The text, its formatting or the default format changed (whichever
    // document the log shows).
    void logChanged();
    // The modified flag was cleared: saved, emptied, replaced by a file.
    void modificationCleared();
    // QTextDocument::contentsChange of whichever document the log shows.
    void contentsChange(int position, int removed, int added);
    // The log shows another document (a file was opened into it).
    void documentReplaced();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    int roomForInsertion() const;
    void watchDocument();
    void applyDefaultFormat();
    void writeLog(const QString &path);
    ui::FontChoice shownFormat() const;
    static QTextOption::WrapMode wrapModeFor(const QTextDocument &loaded);
    static void attachPlainLayout(QTextDocument *loaded);
    // Lines longer than this make the log wrap anywhere (see wrapModeFor).
    static constexpr int kLongLineLength = 4096;

    int m_capacity;
    QFont m_font;
    int m_charset = kDefaultCharset;
    QColor m_textColor;
    QString m_fileName;
    QString m_dialogDirectory;
    std::optional<QByteArray> m_unchangedContent = QByteArray();
    // True right after undoOrRedo undid a change, so the next one redoes it.
    bool m_lastStepWasUndo = false;
    bool m_steppingUndo = false;
};

} // namespace coil
