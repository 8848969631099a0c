// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's spin box: an extended-precision value that is stored as set
// or typed, never rounded to what the text shows. Typing, pastes and drops
// follow the same rules ("." and "," both enter the separator of a decimal
// box; a pasted text that is no number is refused whole, with a message),
// and each user change of the text is examined at once; the arrows step once
// when released and repeat while held (a 500 ms wait, then a step every
// 100 ms, the first 600 ms after the press). The maximum text length limits what the user
// types, never the text the program writes.

#include "ui/SpinText.h"

#include <QAbstractSpinBox>

class QTimer;

namespace ui {

class SpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    static constexpr int RepeatDelayMs = 500;
    static constexpr int RepeatIntervalMs = 100;

    explicit SpinEdit(QWidget *parent = nullptr);

    SpinKind kind() const { return m_kind; }
    void setKind(SpinKind kind);
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    void setRange(long double min, long double max);
    long double increment() const { return m_increment; }
    void setIncrement(long double increment) { m_increment = increment; }
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);
    // A decimal box that writes its values without trailing zeros ("4,7",
    // "12"), for a value typed with any number of decimals.
    void setTrimsZeros(bool trims);

    long double value() const { return m_value; }
    // Limits, stores, rewrites the text and always notifies.
    void setValue(long double value);

    void stepBy(int steps) override;

    // A text that stands for no number (emptied, "-", "1,2,") shows the
    // stored value again: the box never shows one number while the program
    // uses another. Done when the box loses the focus and before a
    // calculation reads the value.
    void showUsedValue();

signals:
    // Every value set by the program or a step, and every typed value that
    // differs from the stored one.
    void valueChanged();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void initStyleOption(QStyleOptionSpinBox *option) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    long double limited(long double value) const;
    QString decimalPoint() const;
    void rewriteText();
    void userEditedText(const QString &text);
    void refusePaste(const QString &pasted);
    void repeatStep();
    void stopHolding();

    SpinKind m_kind = SpinKind::WholeNumber;
    int m_decimals = 0;
    long double m_min = 0;
    long double m_max = 100;
    long double m_increment = 1;
    long double m_value = 0;
    int m_maxLength = 32767;
    bool m_trimsZeros = false;
    QString m_shownText;  // the text before the change being checked

    QTimer *m_repeatTimer;
    int m_heldDirection = 0; // +1 up arrow held, -1 down arrow held
    bool m_repeating = false; // the wait after the press is over
    int m_wheelRemainder = 0;
};

} // namespace ui
