// SPDX-License-Identifier: GPL-3.0-or-later
// The log's font dialog on a real desktop: Qt's own dialog under xcb with the
// system's font database and Qt's Russian texts, as the program runs it. It
// opens on the log's face, style and size, and OK without a change leaves the
// log, its modified flag, its RTF and the font entries of the settings file
// as they were.
#include "WmProbe.h"

#include "app/QtTranslation.h"
#include "coil/window/Kontura.h"
#include "coil/window/ResultsLog.h"
#include "settings/IniFile.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString Section = QStringLiteral("Settings");

struct FontEntries
{
    QString name;
    int size = 0;
    int charset = 0;
};

FontEntries fontEntries(const QString &path)
{
    const settings::IniFile ini(path);
    return {ini.readString(Section, QStringLiteral("EditorFontName"), QString()),
            ini.readInteger(Section, QStringLiteral("EditorFontSize"), 0),
            ini.readInteger(Section, QStringLiteral("EditorFontCharset"), 0)};
}

// Qt's font dialog, as the program shows it; the notices (about the coil
// pictures, which this test does not lay out) are only counted.
class RealFontDialog : public ui::DialogSeam
{
public:
    RealFontDialog() : m_qt(ui::dialogs()) { ui::setDialogs(this); }
    ~RealFontDialog() override { ui::setDialogs(nullptr); }
    RealFontDialog(const RealFontDialog &) = delete;
    RealFontDialog &operator=(const RealFontDialog &) = delete;

    int messages = 0;

    ui::Answer message(QWidget *, const ui::MessageRequest &request) override
    {
        ++messages;
        return request.defaultButton;
    }
    ui::FileChoice openFile(QWidget *, const ui::FileRequest &) override { return {}; }
    ui::FileChoice saveFile(QWidget *, const ui::FileRequest &) override { return {}; }
    bool setUpPrinter(QWidget *, QPrinter *) override { return false; }
    std::optional<ui::FontChoice> chooseFont(QWidget *parent, const ui::FontChoice &initial) override
    {
        return m_qt.chooseFont(parent, initial);
    }
    void openWithShell(const QUrl &, const std::function<void()> &) override {}
    void beep() override {}

private:
    ui::DialogSeam &m_qt;
};

// What the dialog showed when it opened.
struct Shown
{
    bool opened = false;
    QFont font;
};

} // namespace

class TestWmFontDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WMPROBE_REQUIRE_WINDOW_MANAGER();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        // The program's dialogs speak Russian; the style names are then
        // Russian too, and must still meet the font database's own.
        QVERIFY(app::installQtTranslation());
    }

    void okWithoutAChangeChangesNothing_data()
    {
        QTest::addColumn<QString>("storedName");  // empty: no entry, the design font
        QTest::addColumn<int>("storedSize");
        QTest::newRow("design font") << QString() << 0;
        QTest::newRow("a serif face by its Windows name") << "Times New Roman" << 10;
        QTest::newRow("a sans face") << "DejaVu Sans" << 9;
        QTest::newRow("a monospaced face") << "DejaVu Sans Mono" << 12;
    }
    void okWithoutAChangeChangesNothing()
    {
        QFETCH(QString, storedName);
        QFETCH(int, storedSize);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString settingsPath = dir.filePath(QStringLiteral("bandimor.ini"));
        if (!storedName.isEmpty()) {
            settings::IniFile ini(settingsPath);
            ini.writeString(Section, QStringLiteral("EditorFontName"), storedName);
            ini.writeInteger(Section, QStringLiteral("EditorFontSize"), storedSize);
            ini.save();
        }
        RealFontDialog dialogs;
        auto window = std::make_unique<TfmContura>(nullptr, dir.path() + QLatin1Char('/'));
        window->setSettingsFilePath(settingsPath);
        window->ReadParams();
        window->show();
        QVERIFY(QTest::qWaitFor([&] { return wmprobe::framed(window.get()); }, 10000));

        coil::ResultsLog *log = window->RichEdit1;
        log->appendLine(QStringLiteral("Индуктивность = 18,349 мкГн"));
        log->setModified(false);
        window->WriteParams();
        const FontEntries storedBefore = fontEntries(settingsPath);
        const QFont fontBefore = log->logFont();
        const QByteArray rtfBefore = log->rtfContent();
        const QFontInfo drawn(fontBefore);

        Shown shown;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll.stop();
            shown = {true, dialog->currentFont()};
            QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        poll.start();
        // A dialog that never shows up, or stays, must not hold the suite.
        QTimer::singleShot(15000, this, [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        window->N11Click();

        QVERIFY2(shown.opened, "the font dialog did not open");
        QCOMPARE(shown.font.family(), drawn.family());
        QCOMPARE(shown.font.pointSize(), drawn.pointSize());
        QCOMPARE(shown.font.weight(), fontBefore.weight());
        QCOMPARE(shown.font.italic(), fontBefore.italic());

        QCOMPARE(log->logFont(), fontBefore);
        QVERIFY(!log->isModified());
        QCOMPARE(log->rtfContent(), rtfBefore);
        window->WriteParams();
        const FontEntries storedAfter = fontEntries(settingsPath);
        QCOMPARE(storedAfter.name, storedBefore.name);
        QCOMPARE(storedAfter.size, storedBefore.size);
        QCOMPARE(storedAfter.charset, storedBefore.charset);
        if (!storedName.isEmpty()) {
            QCOMPARE(storedAfter.name, storedName);
            QCOMPARE(storedAfter.size, storedSize);
        }
    }
};

QTEST_MAIN(TestWmFontDialog)
#include "test_wm_fontdialog.moc"
