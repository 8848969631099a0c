// SPDX-License-Identifier: GPL-3.0-or-later
// The coil window's entries in the settings file: position, winding type,
// selected tab and the log's font.

#include "coil/window/InductanceTab.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "settings/IniFile.h"
#include "ui/RadioGroup.h"
#include "ui/WindowPosition.h"

namespace {

const ui::PositionKeys positionKeys{QStringLiteral("CoTop"), QStringLiteral("CoLeft")};
const QString Settings = QStringLiteral("Settings");

// Font sizes outside this range come from a damaged file and are ignored.
constexpr int MaxFontSize = 1000;

} // namespace

void TfmContura::ReadParams()
{
    const settings::IniFile ini(m_settingsPath);

    ui::readWindowPosition(this, ini, positionKeys);
    // Every coil window reads the same place; a new one would hide the last.
    if (parentWidget()) {
        const QList<TfmContura *> coilWindows =
            parentWidget()->findChildren<TfmContura *>(Qt::FindDirectChildrenOnly);
        ui::stepAsideFrom(this, {coilWindows.cbegin(), coilWindows.cend()});
    }

    // Indices beyond the items select the nearest one; a different winding
    // type is applied as the user's choice would be.
    ui::RadioGroup *winding = Tab1->RadioGroup1;
    const int tipNamotki = ini.readInteger(Settings, QStringLiteral("TipNamotki"), winding->itemIndex());
    winding->setItemIndex(qBound(0, tipNamotki, winding->count() - 1));
    const int page = ini.readInteger(Settings, QStringLiteral("Page_control"), PageControl1->currentIndex());
    PageControl1->setCurrentIndex(qBound(0, page, PageControl1->count() - 1));

    QFont font = RichEdit1->logFont();
    const QString family = ini.readString(Settings, QStringLiteral("EditorFontName"), font.family());
    if (!family.isEmpty())
        font.setFamily(family);
    RichEdit1->setLogFont(font);
    const int size = ini.readInteger(Settings, QStringLiteral("EditorFontSize"), font.pointSize());
    if (size > 0 && size <= MaxFontSize) {
        font.setPointSize(size);
        RichEdit1->setLogFont(font);
    }
    RichEdit1->setLogCharset(
        ini.readInteger(Settings, QStringLiteral("EditorFontCharset"), RichEdit1->logCharset()));

    // Applying the font is no edit of the log.
    RichEdit1->setModified(false);
}

void TfmContura::WriteParams() const
{
    settings::IniFile ini(m_settingsPath);
    const QFont font = RichEdit1->logFont();
    ui::writeWindowPosition(this, ini, positionKeys);
    ini.writeInteger(Settings, QStringLiteral("TipNamotki"), Tab1->RadioGroup1->itemIndex());
    ini.writeInteger(Settings, QStringLiteral("Page_control"), PageControl1->currentIndex());
    ini.writeString(Settings, QStringLiteral("EditorFontName"), font.family());
    ini.writeInteger(Settings, QStringLiteral("EditorFontSize"), font.pointSize());
    ini.writeInteger(Settings, QStringLiteral("EditorFontCharset"), RichEdit1->logCharset());
    ini.save();
}
