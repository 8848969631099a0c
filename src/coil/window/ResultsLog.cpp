// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/ResultsLog.h"

#include <QPlainTextDocumentLayout>
#include <QPointer>

#include "coil/LogFileNames.h"
#include "coil/LogLines.h"
#include "richtext/LogFileFormat.h"
#include "richtext/PastedText.h"
#include "settings/ProgramFolder.h"
#include "ui/Dialogs.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>

namespace coil {
namespace {

// Marks clipboard data copied from a log, whose HTML then keeps its character
// formats on paste; HTML from elsewhere may hold tables and pictures, which
// the log cannot show, and is pasted as plain text.
const QString kLogFragmentFormat = QStringLiteral("application/x-bandimor-log-fragment");

Qt::KeyboardModifiers plainModifiers(const QKeyEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

bool isKey(const QKeyEvent *event, int key, Qt::KeyboardModifiers modifiers)
{
    return event->key() == key && plainModifiers(event) == modifiers;
}

// The edit menu's shortcuts, which the coil window takes before the log.
enum class EditKey { None, Delete, Cut, Copy, Paste, Undo };

EditKey editKeyOf(const QKeyEvent *event)
{
    if (isKey(event, Qt::Key_Delete, Qt::NoModifier))
        return EditKey::Delete;
    if (isKey(event, Qt::Key_Delete, Qt::ShiftModifier))
        return EditKey::Cut;
    if (isKey(event, Qt::Key_Insert, Qt::ControlModifier))
        return EditKey::Copy;
    if (isKey(event, Qt::Key_Insert, Qt::ShiftModifier))
        return EditKey::Paste;
    if (isKey(event, Qt::Key_Backspace, Qt::AltModifier))
        return EditKey::Undo;
    return EditKey::None;
}

// How many characters a key would put into the text.
int charactersTyped(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 1;
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()
        || (plainModifiers(event) & (Qt::ControlModifier | Qt::MetaModifier)))
        return 0;
    return int(text.size());
}

// The names programs give RTF on the clipboard.
const QStringList rtfMimeTypes{QStringLiteral("text/rtf"), QStringLiteral("application/rtf")};

// The rich text of clipboard data that offers no plain text: RTF, else HTML.
QTextDocumentFragment richFragment(const QMimeData *source)
{
    if (!source)
        return {};
    for (const QString &type : rtfMimeTypes) {
        if (source->hasFormat(type)) {
            const QTextDocumentFragment fragment = richtext::pastedRtf(source->data(type));
            if (!fragment.isEmpty())
                return fragment;
        }
    }
    if (source->hasHtml())
        return richtext::pastedHtml(source->html());
    return {};
}

} // namespace

ResultsLog::ResultsLog(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_capacity(kFreshLogCapacity)
    , m_font(designFont())
    , m_fileName(untitledLogName())
    , m_dialogDirectory(settings::fileDialogStartFolder())
{
    const QString hint = QStringLiteral("Поле для вывода результатов работы");
    setObjectName(QStringLiteral("RichEdit1"));
    setToolTip(hint);
    setAccessibleName(QStringLiteral("Журнал результатов"));
    setAccessibleDescription(hint);
    // Tab moves on to the next control, as in the window's focus order.
    setTabChangesFocus(true);
    applyDefaultFormat();

    watchDocument();
    setModified(false);
}

void ResultsLog::watchDocument()
{
    // Any change but the undo command's own ends the undo/redo alternation.
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        if (!m_steppingUndo)
            m_lastStepWasUndo = false;
        m_unchangedContent.reset();
        emit contentsChange(position, removed, added);
    });
    connect(document(), &QTextDocument::contentsChanged, this, &ResultsLog::logChanged);
}

int ResultsLog::lineCount() const
{
    return logLineCount(*document());
}

void ResultsLog::appendLine(const QString &text)
{
    const QTextCursor before = textCursor();
    const int anchor = before.anchor();
    const int position = before.position();
    const int scrolled = verticalScrollBar()->value();

    appendLogLine(document(), text, m_capacity);

    // A caret at the very end would travel with the inserted text.
    QTextCursor after = textCursor();
    if (after.anchor() != anchor || after.position() != position) {
        after.setPosition(anchor);
        after.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(after);
    }
    verticalScrollBar()->setValue(scrolled);
}

void ResultsLog::showLastLine()
{
    // The scroll range counts the lines laid out at the end, so its maximum
    // puts the last line at the bottom of the view.
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

bool ResultsLog::isModified() const
{
    return document()->isModified();
}

void ResultsLog::setModified(bool modified)
{
    document()->setModified(modified);
    // The document does not always report this (not after clear(), for one).
    if (!modified)
        emit modificationCleared();
}

QFont ResultsLog::designFont()
{
    // A character cell 9 pixels high at 96 dots per inch: Times New Roman's
    // em is 8 of those pixels, which is 6 points.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(6);
    return font;
}

QFont ResultsLog::logFont() const
{
    return m_font;
}

void ResultsLog::setLogFont(const QFont &font)
{
    m_font = font;
    applyDefaultFormat();
    setModified(true);
    emit logChanged();
}

void ResultsLog::setLogTextColor(const QColor &color)
{
    m_textColor = color;
    applyDefaultFormat();
    setModified(true);
    emit logChanged();
}

void ResultsLog::setLogCharset(int charset)
{
    m_charset = charset & 0xFF;
    setModified(true);
    emit logChanged();
}

void ResultsLog::applyDefaultFormat()
{
    // Text without a font or colour of its own, typed or appended, follows
    // these; the document's default font is also what the RTF writer uses.
    setFont(m_font);
    // Setting the document's font lays out every line again, even when the
    // font stays the same: costly on a large log.
    if (document()->defaultFont() != m_font)
        document()->setDefaultFont(m_font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, m_textColor.isValid()
                                         ? m_textColor
                                         : QPalette().color(QPalette::Text));
    setPalette(colours);
}

void ResultsLog::loadContent(const QByteArray &fileData)
{
    m_capacity = kOpenedLogCapacity;
    // The file is read into a fresh document that the log then takes over:
    // filling a document that an editor shows costs twice as long.
    auto *loaded = new QTextDocument(this);
    loaded->setDefaultFont(m_font);
    loaded->setUndoRedoEnabled(false);
    richtext::readLogFile(fileData, loaded);
    const QTextOption::WrapMode mode = wrapModeFor(*loaded);
    QTextOption option = loaded->defaultTextOption();
    option.setWrapMode(mode);
    loaded->setDefaultTextOption(option);
    attachPlainLayout(loaded);
    loaded->setUndoRedoEnabled(true);
    // The editor disposes of its first document itself; a document loaded
    // earlier is ours to delete.
    const QPointer<QTextDocument> previous = document();
    // The editor lays out the document it shows again whenever its mode
    // changes, and gives a document it takes its own mode: the mode changes
    // over an empty document of the editor's own, so that neither a long
    // line of the old one (seconds) nor the new one in the old mode is laid
    // out for nothing.
    if (wordWrapMode() != mode) {
        setDocument(nullptr);
        if (previous && previous->parent() == this)
            delete previous;
        setWordWrapMode(mode);
    }
    setDocument(loaded);
    if (previous && previous->parent() == this)
        delete previous;
    watchDocument();
    applyDefaultFormat();
    setTextCursor(QTextCursor(document()));
    m_lastStepWasUndo = false;
    m_unchangedContent = fileData;
    emit documentReplaced();
}

void ResultsLog::attachPlainLayout(QTextDocument *loaded)
{
    // The layout is attached once the document is filled and its wrap mode
    // chosen: a plain-text layout lays a paragraph out at once, twice over,
    // whenever a change stays within one paragraph and leaves the count of
    // paragraphs as it was, at every insertion and at its own attachment
    // too. With a paragraph more, attached and removed again, it only marks
    // the paragraphs to be laid out when shown: a file of one long line is
    // laid out once instead of three times.
    QTextCursor end(loaded);
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    loaded->setDocumentLayout(new QPlainTextDocumentLayout(loaded));
    // Within an edit block, so that the cursor does not lay out the line to
    // find its place on the screen.
    end.beginEditBlock();
    end.deletePreviousChar();
    end.endEditBlock();
}

QTextOption::WrapMode ResultsLog::wrapModeFor(const QTextDocument &loaded)
{
    // Wrapping at word boundaries looks for a boundary through the rest of a
    // line without one, over and over: a file of one long line would take
    // minutes to lay out. A log with such a line wraps anywhere, which takes
    // time in proportion to its length; the text itself stays as it is.
    // Chosen before the editor takes the document, which lays it out then.
    for (QTextBlock block = loaded.begin(); block.isValid(); block = block.next()) {
        if (block.length() > kLongLineLength)
            return QTextOption::WrapAnywhere;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

QByteArray ResultsLog::rtfContent() const
{
    return richtext::writeRtf(*document());
}

void ResultsLog::clearLog()
{
    document()->setUndoRedoEnabled(false);
    document()->clear();
    document()->setUndoRedoEnabled(true);
    // Back to word wrapping once the text is gone, not before: a long line
    // laid out again at word boundaries would take seconds.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    applyDefaultFormat();
    setCurrentCharFormat(QTextCharFormat());
    m_lastStepWasUndo = false;
    m_unchangedContent = QByteArray();
    setModified(false);
}

void ResultsLog::emptyLog()
{
    AskSaveChanges();
    QTextDocument *doc = document();
    // The one step back is the emptying itself, not an edit made before the
    // appended lines moved its place.
    doc->clearUndoRedoStacks();
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    setCurrentCharFormat(QTextCharFormat());
    m_lastStepWasUndo = false;
    setModified(false);
}

void ResultsLog::undoOrRedo()
{
    QTextDocument *doc = document();
    m_steppingUndo = true;
    bool changed = false;
    if (m_lastStepWasUndo && doc->isRedoAvailable()) {
        redo();
        m_lastStepWasUndo = false;
        changed = true;
    } else if (doc->isUndoAvailable()) {
        undo();
        m_lastStepWasUndo = true;
        changed = true;
    }
    m_steppingUndo = false;
    // Stepping back onto the saved text still counts as a change of the log.
    if (changed)
        setModified(true);
}

void ResultsLog::cutSelection()
{
    if (!isReadOnly())
        cut();
}

void ResultsLog::copySelection()
{
    copy();
}

void ResultsLog::pasteClipboard()
{
    if (!isReadOnly())
        paste();
}

void ResultsLog::deleteSelection()
{
    QTextCursor cursor = textCursor();
    if (isReadOnly() || !cursor.hasSelection())
        return;
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

int ResultsLog::roomForInsertion() const
{
    const QTextCursor cursor = textCursor();
    const qint64 room = qint64(m_capacity) - logTextLength(*document())
                      + (cursor.selectionEnd() - cursor.selectionStart());
    return int(qBound<qint64>(0, room, qint64(m_capacity)));
}

bool ResultsLog::event(QEvent *event)
{
    // Let the window's edit shortcuts have these keys, as its menu does;
    // without such a shortcut they come back to keyPressEvent.
    if (event->type() == QEvent::ShortcutOverride
        && editKeyOf(static_cast<QKeyEvent *>(event)) != EditKey::None) {
        event->ignore();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void ResultsLog::keyPressEvent(QKeyEvent *event)
{
    switch (editKeyOf(event)) {
    case EditKey::Delete: deleteSelection(); return;
    case EditKey::Cut: cutSelection(); return;
    case EditKey::Copy: copySelection(); return;
    case EditKey::Paste: pasteClipboard(); return;
    case EditKey::Undo: undoOrRedo(); return;
    case EditKey::None: break;
    }
    if (!isReadOnly() && charactersTyped(event) > roomForInsertion()) {
        ui::dialogs().beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData *ResultsLog::createMimeDataFromSelection() const
{
    const QTextDocumentFragment fragment(textCursor());
    auto *mime = new QMimeData;
    mime->setText(fragment.toPlainText());
    mime->setHtml(fragment.toHtml());
    mime->setData(kLogFragmentFormat, QByteArray());
    return mime;
}

bool ResultsLog::canInsertFromMimeData(const QMimeData *source) const
{
    return QPlainTextEdit::canInsertFromMimeData(source) || source->hasHtml()
           || std::any_of(rtfMimeTypes.begin(), rtfMimeTypes.end(),
                          [source](const QString &type) { return source->hasFormat(type); });
}

void ResultsLog::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source)
        return;
    const int room = roomForInsertion();
    QTextCursor cursor = textCursor();
    if (source->hasFormat(kLogFragmentFormat) && source->hasHtml()) {
        const auto fragment = QTextDocumentFragment::fromHtml(source->html(), document());
        if (fragment.toPlainText().size() <= room) {
            cursor.insertFragment(fragment);
            setTextCursor(cursor);
            ensureCursorVisible();
            return;
        }
    }
    // Some programs offer only rich text: its text goes in, with the
    // character formats a log keeps.
    const QTextDocumentFragment rich = source->hasText() ? QTextDocumentFragment() : richFragment(source);
    if (!rich.isEmpty() && rich.toPlainText().size() <= room) {
        cursor.insertFragment(rich);
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    QString text = source->hasText() ? source->text() : rich.toPlainText();
    if (text.size() > room) {
        // Like typing, the log takes what fits and refuses the rest.
        text.truncate(room);
        ui::dialogs().beep();
    }
    if (text.isEmpty())
        return;
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace coil
