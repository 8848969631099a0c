// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FontColourDialog.h"

#include "ui/ControlText.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <limits>

namespace ui {
namespace {

// The font with the name of its style in the font database ("Regular",
// "Bold Italic"). Given none, the dialog looks for the style by a name built
// from the weight and slant, in Qt's translation ("Обычный"); no database
// style has that name, and the dialog would open on its first style, so that
// OK unchanged would change the font.
QFont withDatabaseStyle(QFont font)
{
    if (!font.styleName().isEmpty())
        return font;
    const QString family = font.family();
    const int stretch = font.stretch() == QFont::AnyStretch ? QFont::Unstretched : font.stretch();
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QString &style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 10);
        const int candidateStretch =
            candidate.stretch() == QFont::AnyStretch ? QFont::Unstretched : candidate.stretch();
        // The slant matters most, then the weight, then the width.
        const int distance = (candidate.style() == font.style() ? 0 : 100000)
                           + qAbs(candidate.weight() - font.weight()) * 10
                           + qAbs(candidateStretch - stretch);
        if (distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

} // namespace

FontColourDialog::FontColourDialog(const FontChoice &initial, QWidget *parent)
    : QFontDialog(parent)
    , m_colourButton(new QPushButton(this))
{
    // Qt's own dialog: a desktop's native one could not take the button.
    setOption(QFontDialog::DontUseNativeDialog);
    setCurrentFont(withDatabaseStyle(initial.font));

    describeControl(m_colourButton, QStringLiteral("colourButton"), QStringLiteral("Цвет"),
                    QStringLiteral("Цвет текста"));
    m_colourButton->setIconSize(QSize(32, 12));
    connect(m_colourButton, &QPushButton::clicked, this, &FontColourDialog::pickColour);
    auto *row = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("&Цвет:"), this);
    caption->setBuddy(m_colourButton);
    row->addWidget(caption);
    row->addWidget(m_colourButton, 1);

    // Beside underline and strikeout, in the effects frame; a dialog laid
    // out otherwise gets the row at its bottom.
    const QCheckBox *effect = findChild<QCheckBox *>();
    auto *effects = effect ? qobject_cast<QBoxLayout *>(effect->parentWidget()->layout()) : nullptr;
    if (effects)
        effects->addLayout(row);
    else if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());
    else
        layout()->addItem(row);

    setColor(initial.color.isValid() ? initial.color : QColor(Qt::black));
}

void FontColourDialog::setColor(const QColor &color)
{
    m_color = color;
    QPixmap swatch(m_colourButton->iconSize());
    swatch.fill(color);
    m_colourButton->setIcon(QIcon(swatch));
    m_colourButton->setAccessibleDescription(QStringLiteral("Цвет текста: ") + color.name());
}

FontChoice FontColourDialog::choice() const
{
    return {currentFont(), m_color};
}

void FontColourDialog::pickColour()
{
    const QColor picked = QColorDialog::getColor(m_color, this, QStringLiteral("Цвет"));
    if (picked.isValid())
        setColor(picked);
}

} // namespace ui
