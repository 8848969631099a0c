// The coil window's entries in the settings file: position, winding type,
// selected tab and the log's font.

#include "coil/InductanceTab.h"
#include "coil/Kontura.h"
#include "coil/PictureTabWidget.h"
#include "coil/ResultsLog.h"
#include "settings/IniFile.h"
#include "ui/RadioGroup.h"

namespace {

const QString WindowPos = QStringLiteral("WindowPos");
const QString Settings = QStringLiteral("Settings");

// Font sizes outside this range come from a damaged file and are ignored.
constexpr int MaxFontSize = 1000;

} // namespace

void TfmContura::ReadParams()
{
    const settings::IniFile ini(m_settingsPath);

    move(x(), ini.readInteger(WindowPos, QStringLiteral("CoTop"), y()));
    move(ini.readInteger(WindowPos, QStringLiteral("CoLeft"), x()), y());

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
    ini.writeInteger(WindowPos, QStringLiteral("CoTop"), y());
    ini.writeInteger(WindowPos, QStringLiteral("CoLeft"), x());
    ini.writeInteger(Settings, QStringLiteral("TipNamotki"), Tab1->RadioGroup1->itemIndex());
    ini.writeInteger(Settings, QStringLiteral("Page_control"), PageControl1->currentIndex());
    ini.writeString(Settings, QStringLiteral("EditorFontName"), font.family());
    ini.writeInteger(Settings, QStringLiteral("EditorFontSize"), font.pointSize());
    ini.writeInteger(Settings, QStringLiteral("EditorFontCharset"), RichEdit1->logCharset());
    ini.save();
}
