#include "ui/BaseFont.h"

#include <QStringList>

namespace ui {

QFont windowBaseFont()
{
    static const bool substitutesInstalled = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans")});
        return true;
    }();
    Q_UNUSED(substitutesInstalled);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

} // namespace ui
