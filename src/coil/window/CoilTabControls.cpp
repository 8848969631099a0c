// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/CoilTabControls.h"

#include "pictures/PaletteInk.h"
#include "pictures/PictureFiles.h"
#include "ui/ControlText.h"
#include "ui/Dialogs.h"
#include "ui/SpinEdit.h"

#include <QBitmap>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace coil {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  const QRect &bounds, const QString &hint)
{
    auto *label = new QLabel(text, parent);
    ui::describeControl(label, name, text, hint);
    label->move(bounds.topLeft());
    // Labels size themselves to their text; the design gives only where
    // they start, except where a width is given for wrapping.
    if (bounds.width() > 0)
        label->resize(bounds.size());
    else
        label->adjustSize();
    return label;
}

QLabel *makeDescription(QWidget *parent, const QString &name, const QString &text,
                        const QRect &bounds, int roomHeight)
{
    QLabel *label = makeLabel(parent, name, text, bounds);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), qMin(needed, roomHeight));
    return label;
}

ui::SpinEdit *makeSpinEdit(QWidget *parent, const QString &name, const SpinSettings &settings,
                           const QRect &bounds)
{
    auto *spin = new ui::SpinEdit(parent);
    spin->setObjectName(name);
    spin->setKind(ui::SpinKind::Decimal);
    spin->setDecimals(settings.decimals);
    spin->setRange(0, settings.maximum);
    spin->setIncrement(settings.increment);
    spin->setMaxLength(settings.maxLength);
    spin->setValue(0);
    spin->setGeometry(bounds);
    return spin;
}

InputFrame::InputFrame(QWidget *tab, const QString &name, const QRect &bounds)
    : m_frame(new QGroupBox(QStringLiteral("Ввод параметров"), tab))
{
    ui::describeControl(m_frame, name, m_frame->title());
    m_frame->setGeometry(bounds);
}

QLabel *InputFrame::caption(const QString &name, const QString &text, int top) const
{
    return makeLabel(m_frame, name, text, QRect(8, top, 0, 0));
}

ui::SpinEdit *InputFrame::spin(const QString &name, const SpinSettings &settings, int top) const
{
    return makeSpinEdit(m_frame, name, settings, QRect(104, top, 81, 17));
}

QLabel *InputFrame::unit(const QString &name, const QString &text, int top) const
{
    return makeLabel(m_frame, name, text, QRect(192, top, 0, 0));
}

namespace {

void pairCaption(QLabel *caption, ui::SpinEdit *spin, const QLabel *unit)
{
    caption->setBuddy(spin);
    QString name = caption->text().trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    spin->setAccessibleName(name);
    QString description = caption->toolTip().trimmed();
    if (!unit->text().isEmpty()) {
        if (!description.isEmpty())
            description += QStringLiteral("; ");
        description += QStringLiteral("единица: ") + unit->text();
    }
    spin->setAccessibleDescription(description);
}

} // namespace

void pairCaptions(const QList<InputRow> &rows)
{
    for (const InputRow &row : rows)
        pairCaption(row.caption, row.box, row.unit);
}

QLabel *makePicture(QWidget *parent, const QString &name, const QRect &bounds,
                    const QString &hint)
{
    auto *picture = new QLabel(parent);
    ui::describeControl(picture, name, QString(), hint);
    picture->setGeometry(bounds);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setAttribute(Qt::WA_TranslucentBackground);
    return picture;
}

QLabel *makePicture(QWidget *parent, const QString &name, const QRect &bounds,
                    const QString &accessibleName, const QString &accessibleDescription)
{
    QLabel *picture = makePicture(parent, name, bounds);
    ui::setAccessibleTexts(picture, accessibleName, accessibleDescription);
    return picture;
}

bool loadPicture(QLabel *picture, const QString &path)
{
    const QImage image = pictures::readBitmap(path);
    if (image.isNull()) {
        ui::showNotice(picture->window(), QStringLiteral("Ошибка загрузки рисунка, положите его на место!"),
                       ui::Icon::Error);
        return false;
    }
    // Under a dark palette the drawing's ink is shown in the palette's text colour.
    const QImage shown = pictures::inPaletteInk(image, picture->palette());
    QPixmap pixmap = QPixmap::fromImage(shown);
    const QColor background = shown.pixelColor(0, shown.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(background));
    picture->setPixmap(pixmap);
    return true;
}

} // namespace coil
