#pragma once
// RichEdit1, the coil window's results log: an editable rich-text document
// that the calculations append their blocks to. It keeps the log's default
// character format, its capacity, the one-step undo of the edit menu, and
// makes Del delete only a selection. File commands live in LogCommands.

#include <QPlainTextEdit>

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
    // Follow appended lines to the end of the log (off by default).
    void setScrollToEndOnAppend(bool on) { m_scrollToEnd = on; }
    bool scrollToEndOnAppend() const { return m_scrollToEnd; }

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

    // The edit menu's commands.
    void undoOrRedo();        // one step: undo, and given again right after, redo
    void cutSelection();
    void copySelection();
    void pasteClipboard();
    void deleteSelection();   // with no selection nothing happens

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    int roomForInsertion() const;
    void resetUndoToggle();
    void watchDocument();
    void applyDefaultFormat();

    int m_capacity;
    QFont m_font;
    int m_charset = kDefaultCharset;
    QColor m_textColor;
    bool m_scrollToEnd = false;
    // True right after undoOrRedo undid a change, so the next one redoes it.
    bool m_lastStepWasUndo = false;
    bool m_steppingUndo = false;
};

} // namespace coil
