// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's font dialog with the colour it lacks: a colour button among its
// effects (underline, strikeout), so that face, size, style, effects and
// colour are chosen in one dialog.

#include "ui/Dialogs.h"

#include <QColor>
#include <QFontDialog>

class QPushButton;

namespace ui {

class FontColourDialog : public QFontDialog
{
    Q_OBJECT
public:
    explicit FontColourDialog(const FontChoice &initial, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // The font and colour shown now (after OK: the chosen ones).
    FontChoice choice() const;

private:
    void pickColour();

    QPushButton *m_colourButton;
    QColor m_color;
};

} // namespace ui
