// SPDX-License-Identifier: GPL-3.0-or-later
// The coil window's entries in the settings file: position, winding type,
// selected tab and the log's font.

#include "coil/window/InductanceTab.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "settings/IniFile.h"
#include "settings/SettingsTable.h"
#include "ui/RadioGroup.h"
#include "ui/WindowPosition.h"

namespace {

const ui::PositionKeys positionKeys{QStringLiteral("CoTop"), QStringLiteral("CoLeft")};

// Font sizes outside this range come from a damaged file and are ignored.
constexpr int MaxFontSize = 1000;

} // namespace

settings::SettingsTable TfmContura::settingsTable() const
{
    using settings::SettingsSection;
    ui::RadioGroup *winding = Tab1->RadioGroup1;
    coil::ResultsLog *log = RichEdit1;
    settings::SettingsTable table;
    // Indices beyond the items select the nearest one; a different winding
    // type is applied as the user's choice would be.
    table.integer(SettingsSection, QStringLiteral("TipNamotki"),
                  {[winding] { return winding->itemIndex(); },
                   [winding](int index) { winding->setItemIndex(qBound(0, index, winding->count() - 1)); }});
    table.integer(SettingsSection, QStringLiteral("Page_control"),
                  {[this] { return PageControl1->currentIndex(); },
                   [this](int page) { PageControl1->setCurrentIndex(qBound(0, page, PageControl1->count() - 1)); }});
    table.text(SettingsSection, QStringLiteral("EditorFontName"),
               {[log] { return log->logFont().family(); },
                [log](const QString &family) {
                    QFont font = log->logFont();
                    if (!family.isEmpty())
                        font.setFamily(family);
                    log->setLogFont(font);
                }});
    table.integer(SettingsSection, QStringLiteral("EditorFontSize"),
                  {[log] { return log->logFont().pointSize(); },
                   [log](int size) {
                       if (size <= 0 || size > MaxFontSize)
                           return;
                       QFont font = log->logFont();
                       font.setPointSize(size);
                       log->setLogFont(font);
                   }});
    table.integer(SettingsSection, QStringLiteral("EditorFontCharset"),
                  {[log] { return log->logCharset(); }, [log](int charset) { log->setLogCharset(charset); }});
    return table;
}

void TfmContura::ReadParams()
{
    const settings::IniFile ini(m_settingsPath);
    ui::readWindowPosition(this, ini, positionKeys, parentWidget());
    // Every coil window reads the same place; a new one would hide the last.
    if (parentWidget()) {
        const QList<TfmContura *> coilWindows =
            parentWidget()->findChildren<TfmContura *>(Qt::FindDirectChildrenOnly);
        ui::stepAsideFrom(this, {coilWindows.cbegin(), coilWindows.cend()});
    }
    settingsTable().read(ini);
    // Applying the font is no edit of the log.
    RichEdit1->setModified(false);
}

void TfmContura::WriteParams() const
{
    settings::IniFile ini(m_settingsPath);
    ui::writeWindowPosition(this, ini, positionKeys);
    settingsTable().write(ini);
    ini.save();
}
