// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The building blocks of the coil window's three tabs: caption and unit
// labels, the numeric inputs, the "Ввод параметров" frame, and the pictures
// loaded from beside the executable.

#include <QList>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

namespace ui {
class SpinEdit;
}

namespace coil {

struct SpinSettings
{
    int decimals;
    long double maximum;
    long double increment;
    int maxLength;
};

// A label at its design place; the hint becomes its tooltip.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  const QRect &bounds, const QString &hint = QString());

// A tab's description: centred and wrapped; it grows downwards, up to
// roomHeight, when a wide face needs more lines than the design allowed.
QLabel *makeDescription(QWidget *parent, const QString &name, const QString &text,
                        const QRect &bounds, int roomHeight);

// A decimal spin box from 0 to its maximum, holding 0.
ui::SpinEdit *makeSpinEdit(QWidget *parent, const QString &name, const SpinSettings &settings,
                           const QRect &bounds);

// The "Ввод параметров" frame that holds a tab's inputs, in three columns:
// captions, spin boxes, units; top is a row's place in the frame.
class InputFrame
{
public:
    InputFrame(QWidget *tab, const QString &name, const QRect &bounds);

    QLabel *caption(const QString &name, const QString &text, int top) const;
    ui::SpinEdit *spin(const QString &name, const SpinSettings &settings, int top) const;
    QLabel *unit(const QString &name, const QString &text, int top) const;

private:
    QGroupBox *m_frame;
};

// One input of a tab as its block line shows it: caption, box, unit.
struct InputRow
{
    QLabel *caption;
    ui::SpinEdit *box;
    const QLabel *unit;
};

// Names each spin box after its caption label, for assistive tools, and
// describes it by the caption's hint and the unit.
void pairCaptions(const QList<InputRow> &rows);

// A picture control: transparent, the picture drawn at its top left.
QLabel *makePicture(QWidget *parent, const QString &name, const QRect &bounds,
                    const QString &hint = QString());
// The same, named and described for assistive tools.
QLabel *makePicture(QWidget *parent, const QString &name, const QRect &bounds,
                    const QString &accessibleName, const QString &accessibleDescription);

// Loads a bitmap into the picture control; its bottom-left pixel's colour is
// taken as transparent. When the file cannot be loaded the picture shown
// before stays and "Ошибка загрузки рисунка, положите его на место!" is shown
// over the control's window. Returns whether the picture was loaded.
bool loadPicture(QLabel *picture, const QString &path);

} // namespace coil
