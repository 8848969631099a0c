// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples of the help pages are what the program prints: each
// example block is calculated again in a real coil window, under a Russian
// locale, and the log's text must match the page's character for character.

#include "coil/CalculationState.h"
#include "coil/window/InductanceTab.h"
#include "coil/window/Kontura.h"
#include "coil/window/PictureTabWidget.h"
#include "coil/window/ResultsLog.h"
#include "coil/window/StraightWireTab.h"
#include "coil/window/TurnsTab.h"
#include "coil/LogRecovery.h"
#include "help/HelpPages.h"
#include "support/FakeDialogs.h"
#include "ui/RadioGroup.h"
#include "ui/SpinEdit.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using helppages::decodeReferences;
using helppages::readPage;

struct Example
{
    QString page;
    int tab = 0;  // 1 to 3
    int winding = 0;
    QList<long double> inputs;
    QString text;
};

// Every marked example of every page. The element's text is read as HTML
// reads it: the line break right after the start tag does not count.
QList<Example> examples()
{
    static const QRegularExpression block(
        QStringLiteral("<pre class=\"example\" data-tab=\"(\\d)\" data-winding=\"(\\d)\" "
                       "data-inputs=\"([0-9.;]+)\">\\n(.*?)</pre>"),
        QRegularExpression::DotMatchesEverythingOption);
    QList<Example> found;
    const QDir help(QStringLiteral(BANDIMOR_HELP_DIR));
    for (const QString &name : help.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QString page = readPage(help.filePath(name));
        for (const QRegularExpressionMatch &match : block.globalMatch(page)) {
            Example example;
            example.page = name;
            example.tab = match.captured(1).toInt();
            example.winding = match.captured(2).toInt();
            for (const QString &input : match.captured(3).split(QLatin1Char(';')))
                example.inputs << static_cast<long double>(input.toDouble());
            example.text = match.captured(4);
            found << example;
        }
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Example)

class TestHelpExamples : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_state;

private slots:
    void initTestCase()
    {
        // The coil windows' recovery files go to a folder of the test's own.
        QVERIFY(m_state.isValid());
        coil::setRecoveryFolderForTesting(m_state.path() + QStringLiteral("/bandimor/recovery"));
    }

    void init()
    {
        coil::resetCalculationState();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Every block marked as an example is read (none is skipped for a
    // misspelt attribute), and each coil tab has one.
    void everyExampleIsRead()
    {
        const QList<Example> found = examples();
        qsizetype marked = 0;
        const QDir help(QStringLiteral(BANDIMOR_HELP_DIR));
        for (const QString &name : help.entryList({QStringLiteral("*.html")}, QDir::Files))
            marked += readPage(help.filePath(name)).count(QStringLiteral("class=\"example\""));
        QCOMPARE(found.size(), marked);

        QSet<int> tabs;
        for (const Example &example : found)
            tabs << example.tab;
        QCOMPARE(tabs, (QSet<int>{1, 2, 3}));
    }

    void exampleIsWhatTheProgramPrints_data()
    {
        QTest::addColumn<Example>("example");
        QMap<QString, int> perPage;
        for (const Example &example : examples()) {
            const int number = ++perPage[example.page];
            QTest::addRow("%s #%d", qPrintable(example.page), number) << example;
        }
    }

    void exampleIsWhatTheProgramPrints()
    {
        QFETCH(Example, example);
        QVERIFY2(!example.text.contains(QLatin1Char('<')), "an example holds nothing but text");
        FakeDialogs fake;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TfmContura window(nullptr, dir.path() + QLatin1Char('/'));
        window.setSettingsFilePath(dir.filePath(QStringLiteral("bandimor.ini")));

        window.PageControl1->setCurrentIndex(example.tab - 1);
        if (example.tab == 1)
            window.Tab1->RadioGroup1->setItemIndex(example.winding);
        const QList<ui::SpinEdit *> boxes =
            static_cast<coil::CoilTab *>(window.PageControl1->currentWidget())->inputBoxes();
        QCOMPARE(example.inputs.size(), boxes.size());
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setValue(example.inputs[i]);
        window.Button1Click();

        QCOMPARE(window.RichEdit1->toPlainText(), decodeReferences(example.text));
    }
};

QTEST_MAIN(TestHelpExamples)
#include "test_helpexamples.moc"
