// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpinEdit.h"

#include "ui/Dialogs.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <QWheelEvent>

namespace ui {

SpinEdit::SpinEdit(QWidget *parent)
    : QAbstractSpinBox(parent)
    , m_repeatTimer(new QTimer(this))
{
    m_repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
    connect(m_repeatTimer, &QTimer::timeout, this, &SpinEdit::repeatStep);
    // textEdited comes from the user only (typing, paste, cut, undo), never from setText.
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinEdit::userEditedText);
    // Comes after the check of a user's change, so that validate() sees the
    // text from before it.
    connect(lineEdit(), &QLineEdit::textChanged, this,
            [this](const QString &text) { m_shownText = text; });
    rewriteText();
}

void SpinEdit::setKind(SpinKind kind)
{
    m_kind = kind;
    rewriteText();
}

void SpinEdit::setDecimals(int decimals)
{
    m_decimals = qMax(0, decimals);
    rewriteText();
}

void SpinEdit::setRange(long double min, long double max)
{
    m_min = min;
    m_max = qMax(min, max);
    m_value = limited(m_value);
    rewriteText();
}

void SpinEdit::setMaxLength(int length)
{
    // Kept here, not in the line edit: the line edit would also cut the text
    // the program writes ("100,000" in a box of 6 characters).
    m_maxLength = qMax(0, length);
}

void SpinEdit::setTrimsZeros(bool trims)
{
    m_trimsZeros = trims;
    rewriteText();
}

void SpinEdit::setValue(long double value)
{
    m_value = limited(value);
    rewriteText();
    emit valueChanged();
}

void SpinEdit::stepBy(int steps)
{
    setValue(m_value + steps * m_increment);
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    // A step at a bound still stores and notifies, as any set value does.
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

QValidator::State SpinEdit::validate(QString &input, int &pos) const
{
    // A typed or pasted text longer than the box allows is refused whole;
    // shortening a longer text that the program wrote is allowed.
    if (input.size() > m_maxLength && input.size() >= m_shownText.size())
        return QValidator::Invalid;

    // What the change put in: the new text less what it kept of the old.
    qsizetype head = 0;
    const qsizetype shortest = qMin(input.size(), m_shownText.size());
    while (head < shortest && input.at(head) == m_shownText.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head
           && input.at(input.size() - 1 - tail) == m_shownText.at(m_shownText.size() - 1 - tail))
        ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty())
        return QValidator::Acceptable;

    // A paste or drop keeps the rules of typing: its separators become the
    // box's, and a text that is no number is refused whole. Typed keys are
    // sorted out before they get here.
    const QString mapped = spinTypedText(inserted, m_kind, decimalPoint());
    const QString result = input.left(head) + mapped + input.right(tail);
    bool acceptable = inserted.size() == 1 || spinTextValue(result, m_kind, decimalPoint()).has_value();
    for (const QChar c : mapped)
        acceptable = acceptable && isSpinCharAccepted(c, m_kind, decimalPoint());
    if (!acceptable) {
        // Not from here: the line edit is in the middle of its change.
        QMetaObject::invokeMethod(const_cast<SpinEdit *>(this),
                                  [box = const_cast<SpinEdit *>(this), inserted] { box->refusePaste(inserted); },
                                  Qt::QueuedConnection);
        return QValidator::Invalid;
    }
    if (mapped != inserted) {
        pos += mapped.size() - inserted.size();
        input = result;
    }
    return QValidator::Acceptable;
}

void SpinEdit::initStyleOption(QStyleOptionSpinBox *option) const
{
    QAbstractSpinBox::initStyleOption(option);
    if (m_heldDirection != 0) {
        option->activeSubControls = m_heldDirection > 0 ? QStyle::SC_SpinBoxUp
                                                         : QStyle::SC_SpinBoxDown;
        option->state |= QStyle::State_Sunken;
    }
}

void SpinEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        stepBy(1);
        event->accept();
        return;
    case Qt::Key_Down:
        stepBy(-1);
        event->accept();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Left to the window: Enter presses its default button.
        event->ignore();
        return;
    default:
        break;
    }
    // Ctrl with a letter types the control character of that letter (Ctrl+V
    // pastes); Ctrl+Alt is AltGr and types printable characters.
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool controlCharacter = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    const QString typed = controlCharacter ? QString() : event->text();
    const QString text = spinTypedText(typed, m_kind, decimalPoint());
    for (const QChar c : text) {
        if (!isSpinCharAccepted(c, m_kind, decimalPoint())) {
            dialogs().beep();
            event->accept();
            return;
        }
    }
    if (text == typed) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    // The point or comma typed in place of the separator enters the separator.
    QKeyEvent separator(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), text,
                        event->isAutoRepeat(), quint16(event->count()), event->device());
    QAbstractSpinBox::keyPressEvent(&separator);
    event->setAccepted(separator.isAccepted());
}

void SpinEdit::focusInEvent(QFocusEvent *event)
{
    QAbstractSpinBox::focusInEvent(event);
    // Reached from the keyboard, the box is ready to be typed over, whatever
    // the path: Tab, an access key, or a tab page shown by Ctrl+Tab or
    // Ctrl+PageDown, which hands the focus on as the program's own move. A
    // click places the caret, and a window coming back keeps what it had.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        selectAll();
        break;
    default:
        break;
    }
}

void SpinEdit::focusOutEvent(QFocusEvent *event)
{
    QAbstractSpinBox::focusOutEvent(event);
    showUsedValue();
}

void SpinEdit::showUsedValue()
{
    if (!spinTextValue(lineEdit()->text(), m_kind, decimalPoint()))
        rewriteText();
}

void SpinEdit::refusePaste(const QString &pasted)
{
    dialogs().beep();
    const QString shown = pasted.size() > 40 ? pasted.left(40) + QStringLiteral("...") : pasted;
    showNotice(this, QStringLiteral("Вставленный текст «%1» — не число, поле его не принимает.")
                         .arg(shown.simplified()),
               Icon::Information);
}

void SpinEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_heldDirection != 0 || isReadOnly()) {
        event->ignore();
        return;
    }
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(
        QStyle::CC_SpinBox, &option, event->position().toPoint(), this);
    if (hit != QStyle::SC_SpinBoxUp && hit != QStyle::SC_SpinBoxDown) {
        event->ignore();
        return;
    }
    // The step comes at the release; holding on adds steps after a pause.
    m_heldDirection = hit == QStyle::SC_SpinBoxUp ? 1 : -1;
    m_repeating = false;
    m_repeatTimer->start(RepeatDelayMs);
    event->accept();
    update();
}

void SpinEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_heldDirection == 0) {
        event->ignore();
        return;
    }
    const int direction = m_heldDirection;
    stopHolding();
    stepBy(direction);
    event->accept();
}

void SpinEdit::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel towards the user counts up, away from the user down.
    m_wheelRemainder -= event->angleDelta().y();
    const int steps = m_wheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRemainder -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0 && !isReadOnly())
        stepBy(steps);
    event->accept();
}

void SpinEdit::hideEvent(QHideEvent *event)
{
    stopHolding();
    QAbstractSpinBox::hideEvent(event);
}

long double SpinEdit::limited(long double value) const
{
    if (value < m_min)
        return m_min;
    if (value > m_max)
        return m_max;
    return value;
}

QString SpinEdit::decimalPoint() const
{
    return QLocale().decimalPoint();
}

void SpinEdit::rewriteText()
{
    QString text = spinValueText(m_value, m_kind, m_decimals, decimalPoint());
    const QString point = decimalPoint();
    if (m_trimsZeros && m_kind == SpinKind::Decimal && !point.isEmpty() && text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    lineEdit()->setText(text);
}

void SpinEdit::userEditedText(const QString &text)
{
    const std::optional<long double> typed = spinTextValue(text, m_kind, decimalPoint());
    if (!typed)
        return; // not a number yet: the previous value stays
    const long double value = limited(*typed);
    const bool outside = value != *typed;
    const bool changed = value != m_value;
    m_value = value;
    if (outside)
        rewriteText();
    if (changed)
        emit valueChanged();
}

void SpinEdit::repeatStep()
{
    if (m_heldDirection == 0) {
        m_repeatTimer->stop();
        return;
    }
    // The end of the wait only starts the rhythm: the first repeated step
    // comes one interval later, 600 ms after the press.
    m_repeatTimer->setInterval(RepeatIntervalMs);
    if (!m_repeating) {
        m_repeating = true;
        return;
    }
    stepBy(m_heldDirection);
}

void SpinEdit::stopHolding()
{
    m_heldDirection = 0;
    m_repeatTimer->stop();
    update();
}

} // namespace ui
