// SPDX-License-Identifier: GPL-3.0-or-later
// RTF written by other programs (corpus/README.md): the exact lines and the
// formatting of chosen words.

#include "DocumentProbe.h"
#include "support/SampleLog.h"
#include "richtext/LogFileFormat.h"

#include <QFile>
#include <QTest>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray corpusFile(const QString &name)
{
    QFile file(QStringLiteral(BANDIMOR_RTF_CORPUS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The lines of source.fodt, the document the word processors saved.
QStringList sourceLines()
{
    return QStringList{u("Журнал расчётов")} + sample::firstBlockLines() + QStringList{
            u("Допуск ± 5%"),
            u("Моноширинный: Опыт №2"),
            u("Подчёркнутый и зачёркнутый, синий"),
            u("Ёлка ёж, Latin: café; обратная косая \\ и скобки { }"),
            ""};
}

QStringList richEditLines()
{
    return {"",
            u("         * * * * * Опыт № 1 * * * * *"),
            "//",
            u("{ ИCХОДНЫЕ ДАННЫЕ }"),
            u("Тип намотки : однослойная"),
            u("Длина намотки : 2 см"),
            u("Диаметр намотки: 1 см"),
            u("Кол-во витков: 20 шт."),
            u("Диаметр провода: 0,5 мм"),
            "",
            u("{ РЕЗУЛЬТАТ РАСЧЁТА }"),
            u("Индуктивность = 2,759 мкГн"),
            u("Допуск ± 5%, угол α, Ω"),
            u("Latin font: café"),
            ""};
}

} // namespace

class TestRtfCorpus : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void formats_data();
    void formats();
};

void TestRtfCorpus::lines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LibreOffice") << "libreoffice.rtf" << sourceLines();
    QTest::newRow("AbiWord") << "abiword.rtf" << sourceLines();
    QTest::newRow("pandoc") << "pandoc.rtf" << sourceLines();
    QTest::newRow("RichEdit") << "richedit.rtf" << richEditLines();
}

void TestRtfCorpus::lines()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    const QByteArray rtf = corpusFile(file);
    QVERIFY2(!rtf.isEmpty(), qPrintable(file));
    QTextDocument document;
    QString error;
    QVERIFY2(richtext::readRtf(rtf, &document, &error), qPrintable(error));
    QCOMPARE(probe::lines(document), lines);
}

void TestRtfCorpus::formats_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QString>("style"); // b, i, u, s: bold, italic, underline, strike-out
    QTest::addColumn<QString>("colour");

    const QString times = QStringLiteral("Times New Roman");
    const char *const writers[][2] = {{"LibreOffice", "libreoffice.rtf"}, {"AbiWord", "abiword.rtf"}};
    for (const auto &writer : writers) {
        const auto row = [&](const char *what) -> QTestData & { return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(writer[0], what))); };
        const QString file = writer[1];
        row("plain text") << file << u("Тип намотки") << times << 12.0 << "" << "";
        row("bold heading") << file << u("Журнал") << times << 12.0 << "b" << "";
        row("bold number") << file << u("0,5") << times << 12.0 << "b" << "";
        row("italic line") << file << u("РЕЗУЛЬТАТ") << times << 12.0 << "i" << "";
        row("red bold result") << file << u("2,759") << times << 12.0 << "b" << "#ff0000";
        row("text after the result") << file << u(" мкГн") << times << 12.0 << "" << "";
        row("Courier New line") << file << u("Моноширинный") << "Courier New" << 10.0 << "" << "";
        row("underline") << file << u("Подчёркнутый") << times << 12.0 << "u" << "";
        row("strike-out") << file << u("зачёркнутый") << times << 12.0 << "s" << "";
        row("blue word") << file << u("синий") << times << 12.0 << "" << "#0000ff";
    }

    // pandoc keeps bold, italics and strike-out but no colours, faces or sizes.
    const QString helvetica = QStringLiteral("Helvetica");
    const QString pandoc = QStringLiteral("pandoc.rtf");
    QTest::newRow("pandoc: plain text") << pandoc << u("Тип намотки") << helvetica << 0.0 << "" << "";
    QTest::newRow("pandoc: bold number") << pandoc << u("0,5") << helvetica << 0.0 << "b" << "";
    QTest::newRow("pandoc: bold result") << pandoc << u("2,759") << helvetica << 0.0 << "b" << "";
    QTest::newRow("pandoc: underline as italics") << pandoc << u("Подчёркнутый") << helvetica << 0.0 << "i" << "";
    QTest::newRow("pandoc: strike-out") << pandoc << u("зачёркнутый") << helvetica << 0.0 << "s" << "";

    const QString richEdit = QStringLiteral("richedit.rtf");
    QTest::newRow("RichEdit: plain text") << richEdit << u("Опыт") << times << 9.0 << "" << "";
    QTest::newRow("RichEdit: bold heading") << richEdit << u("РЕЗУЛЬТАТ") << times << 9.0 << "b" << "";
    QTest::newRow("RichEdit: red number") << richEdit << u("2,759") << times << 9.0 << "" << "#ff0000";
    QTest::newRow("RichEdit: colour back to auto") << richEdit << u("мкГн") << times << 9.0 << "" << "";
    QTest::newRow("RichEdit: italic line") << richEdit << u("Допуск") << times << 9.0 << "i" << "";
    QTest::newRow("RichEdit: Latin font") << richEdit << u("Latin") << "Courier New" << 12.0 << "" << "";
}

void TestRtfCorpus::formats()
{
    QFETCH(QString, file);
    QFETCH(QString, marker);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(QString, style);
    QFETCH(QString, colour);

    QTextDocument document;
    // Sizes the file leaves to the reader show as this odd size.
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 15));
    QVERIFY(richtext::readRtf(corpusFile(file), &document));
    QCOMPARE(probe::lookAt(document, marker), probe::lookOf(family, points > 0 ? points : 15.0, style, colour));
}

QTEST_MAIN(TestRtfCorpus)
#include "test_rtfcorpus.moc"
