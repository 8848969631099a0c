// SPDX-License-Identifier: GPL-3.0-or-later
// The results log's commands: file name and caption, the questions, open,
// save, save as, clear, print, font and the edit menu, through a fake dialog
// seam and files in a temporary folder.

#include "base/AppError.h"
#include "base/AppInfo.h"
#include "base/FileReplacement.h"
#include "coil/window/LogPrinting.h"
#include "coil/window/ResultsLog.h"
#include "support/FakeDialogs.h"
#include "support/FileHelpers.h"
#include "support/SampleLog.h"
#include "support/TestData.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QScopeGuard>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <memory>
#include <optional>

using coil::ResultsLog;

namespace {

const QString kUntitled = QStringLiteral("Безымянный");

// A PDF title as Qt writes it: UTF-16 big-endian with a byte-order mark.
QByteArray pdfTitle(const QString &title)
{
    QByteArray bytes("/Title (\xfe\xff");
    for (const QChar c : title) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xff));
    }
    return bytes + ')';
}

int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

// The drawing commands of each page (and of any other stream). Qt
// compresses them with zlib, which qUncompress reads after a size prefix.
QList<QByteArray> pdfStreams(const QByteArray &pdf)
{
    QList<QByteArray> streams;
    const QByteArray sizePrefix("\x00\x10\x00\x00", 4);
    qsizetype from = 0;
    while ((from = pdf.indexOf("stream\n", from)) >= 0) {
        from += 7;
        const qsizetype end = pdf.indexOf("endstream", from);
        if (end < 0)
            break;
        streams << qUncompress(sizePrefix + pdf.mid(from, end - from));
        from = end + 9;  // past "endstream", whose tail would match again
    }
    return streams;
}

// Whether a page's drawing commands hold `commands`.
bool pdfPageContentHas(const QByteArray &pdf, const QByteArray &commands)
{
    const QList<QByteArray> streams = pdfStreams(pdf);
    return std::any_of(streams.begin(), streams.end(),
                       [&](const QByteArray &stream) { return stream.contains(commands); });
}

// The drawing commands of each page that draws text, in page order.
QList<QByteArray> textPages(const QByteArray &pdf)
{
    QList<QByteArray> pages;
    for (const QByteArray &stream : pdfStreams(pdf)) {
        if (stream.contains("\nBT\n"))
            pages << stream;
    }
    return pages;
}

QByteArray firstTextPage(const QByteArray &pdf)
{
    return textPages(pdf).value(0);
}

// Where a page's drawing starts, in points from the paper's bottom left
// corner: the printable area's top left corner, as PDF's upward y axis has it.
std::optional<QPointF> pageOrigin(const QByteArray &page)
{
    static const QRegularExpression origin(QStringLiteral("(\\S+) 0 0 (\\S+) (\\S+) (\\S+) cm"));
    const QRegularExpressionMatch placed = origin.match(QString::fromLatin1(page));
    if (!placed.hasMatch())
        return std::nullopt;
    return QPointF(placed.captured(3).toDouble(), placed.captured(4).toDouble());
}

// The first glyphs a page shows, as the font's glyph numbers.
QStringList firstGlyphs(const QByteArray &page, int count)
{
    static const QRegularExpression shown(QStringLiteral("<([0-9A-Fa-f]*)> *Tj"));
    QStringList glyphs;
    for (const QRegularExpressionMatch &m : shown.globalMatch(QString::fromLatin1(page))) {
        glyphs << m.captured(1);
        if (glyphs.size() == count)
            break;
    }
    return glyphs;
}

// Whether a page's drawing starts 20 mm from the paper's left edge and
// 10 mm from its top, or less than a point further in.
bool keepsMargins(QPointF origin, const QRectF &paper)
{
    constexpr qreal pointsPerMm = 72.0 / 25.4;
    const qreal left = origin.x() / pointsPerMm;
    const qreal top = (paper.height() - origin.y()) / pointsPerMm;
    const qreal point = 1 / pointsPerMm;
    return left >= 20 && left < 20 + point && top >= 10 && top < 10 + point;
}

} // namespace

class TestLogCommands : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<FakeDialogs> fake;
    std::unique_ptr<ResultsLog> log;
    std::unique_ptr<QTemporaryDir> dir;

    // A titled log whose file holds "saved", then changed to "saved!".
    QString titledModifiedLog()
    {
        const QString path = dir->filePath("titled.rtf");
        log->appendLine(QStringLiteral("saved"));
        log->SetLogFileName(path);
        log->saveFile();
        log->appendLine(QStringLiteral("more"));
        return path;
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakeDialogs>();
        log = std::make_unique<ResultsLog>();
        dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        log.reset();
        fake.reset();
        dir.reset();
    }

    void startsUntitled()
    {
        QCOMPARE(log->LogFileName(), kUntitled);
        QCOMPARE(log->caption(), QStringLiteral("{Безымянный} - Bandimor v1.7"));
        QCOMPARE(log->dialogDirectory(), base::executableDir());
        QVERIFY(!log->isModified());
    }

    void setLogFileNameRebuildsCaption()
    {
        QSignalSpy spy(log.get(), &ResultsLog::captionChanged);
        log->SetLogFileName(QStringLiteral("/data/coil.rtf"));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("{coil.rtf} - Bandimor v1.7"));
        QCOMPARE(log->LogFileName(), QStringLiteral("/data/coil.rtf"));
    }

    void askSaveChanges_data()
    {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("aborted");
        QTest::addColumn<bool>("stillModified");
        QTest::addColumn<int>("saveDialogs");
        QTest::newRow("Yes saves a titled log") << true << int(ui::Answer::Yes) << false << false << 0;
        QTest::newRow("Yes, untitled, save dialog cancelled")
            << false << int(ui::Answer::Yes) << false << true << 1;
        QTest::newRow("No goes on") << true << int(ui::Answer::No) << false << true << 0;
        QTest::newRow("Cancel aborts") << true << int(ui::Answer::Cancel) << true << true << 0;
    }
    void askSaveChanges()
    {
        QFETCH(bool, titled);
        QFETCH(int, answer);
        QFETCH(bool, aborted);
        QFETCH(bool, stillModified);
        QFETCH(int, saveDialogs);
        const QString path = titled ? titledModifiedLog() : QString();
        if (!titled)
            log->appendLine(QStringLiteral("unsaved"));
        fake->answers.enqueue(ui::Answer(answer));

        QCOMPARE(!ui_runs([&] { log->AskSaveChanges(); }), aborted);
        QCOMPARE(fake->messages.size(), 1);
        const ui::MessageRequest &question = fake->messages.at(0);
        QCOMPARE(question.text, QStringLiteral("Сохранить изменения в ")
                                    + (titled ? path : kUntitled) + QStringLiteral(" ?"));
        QCOMPARE(question.caption, QStringLiteral("Подтверждение"));
        QCOMPARE(question.icon, ui::Icon::Question);
        QCOMPARE(question.buttons, ui::Buttons::YesNoCancel);
        // Enter keeps the log.
        QCOMPARE(question.defaultButton, ui::Answer::Yes);
        QCOMPARE(log->isModified(), stillModified);
        QCOMPARE(fake->saveRequests.size(), saveDialogs);
        if (titled)
            QCOMPARE(contentOf(path).contains("more"), !stillModified);
        else
            QCOMPARE(log->LogFileName(), kUntitled);
    }

    void emptyingAsksFirstAndCanBeUndone_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("modified, No empties") << true << int(ui::Answer::No) << 1 << true;
        QTest::newRow("modified, Yes saves, then empties") << true << int(ui::Answer::Yes) << 1 << true;
        QTest::newRow("modified, Cancel keeps the text") << true << int(ui::Answer::Cancel) << 1 << false;
        QTest::newRow("saved, asks nothing") << false << int(ui::Answer::Cancel) << 0 << true;
    }
    void emptyingAsksFirstAndCanBeUndone()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(bool, emptied);
        const QString path = titledModifiedLog();
        if (!modified)
            log->saveFile();
        const QString text = log->toPlainText();
        fake->answers.enqueue(ui::Answer(answer));

        const bool ran = ui_runs([&] { log->emptyLog(); });
        QCOMPARE(fake->messages.size(), questions);
        QCOMPARE(ran, emptied);
        QCOMPARE(log->toPlainText(), emptied ? QString() : text);
        QCOMPARE(log->isModified(), !emptied);
        QCOMPARE(contentOf(path).contains("more"), answer == int(ui::Answer::Yes) || !modified);
        if (!emptied)
            return;
        // "Отменить" takes the emptying back, unsaved; given again, it empties again.
        log->undoOrRedo();
        QCOMPARE(log->toPlainText(), text);
        QVERIFY(log->isModified());
        log->undoOrRedo();
        QCOMPARE(log->toPlainText(), QString());
    }

    void askSaveChangesUnmodifiedAsksNothing()
    {
        log->AskSaveChanges();
        QVERIFY(fake->messages.isEmpty());
    }

    void openWhileModified_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("openDialogs");
        QTest::addColumn<QString>("text");
        QTest::newRow("Cancel shows no dialog") << int(ui::Answer::Cancel) << 0 << "unsaved\n";
        QTest::newRow("No opens and drops the changes") << int(ui::Answer::No) << 1 << "from file";
    }
    void openWhileModified()
    {
        QFETCH(int, answer);
        QFETCH(int, openDialogs);
        QFETCH(QString, text);
        const QString path = dir->filePath("in.txt");
        putFile(path, "from file");
        log->appendLine(QStringLiteral("unsaved"));
        fake->answers.enqueue(ui::Answer(answer));
        fake->openChoices.enqueue({path, 1});

        QSignalSpy caption(log.get(), &ResultsLog::captionChanged);
        const bool done = ui_runs([&] { log->openFile(); });
        QCOMPARE(done, openDialogs == 1);
        QCOMPARE(fake->openRequests.size(), openDialogs);
        QCOMPARE(log->toPlainText(), text);
        QCOMPARE(log->isModified(), openDialogs == 0);
        QCOMPARE(log->LogFileName(), openDialogs ? path : kUntitled);
        QCOMPARE(caption.size(), openDialogs);
    }

    void openDialogRequest()
    {
        log->setDialogDirectory(dir->path());
        log->openFile();
        QCOMPARE(fake->openRequests.size(), 1);
        const ui::FileRequest &request = fake->openRequests.at(0);
        QCOMPARE(request.directory, dir->path());
        QCOMPARE(request.filters, QStringList({"Rich Text Files (*.RTF)", "Text Files (*.TXT)",
                                               "Все файлы (*.*)"}));
        QCOMPARE(request.selectedFilter, 0);
        QCOMPARE(log->LogFileName(), kUntitled);
    }

    void openTextThenSaveWritesRtf()
    {
        // "Проверка" in Windows-1251.
        const QString path = dir->filePath("plain.TXT");
        putFile(path, "\xcf\xf0\xee\xe2\xe5\xf0\xea\xe0\r\nline 2");
        fake->openChoices.enqueue({path, 1});
        log->openFile();
        QCOMPARE(log->toPlainText(), QStringLiteral("Проверка\nline 2"));
        QCOMPARE(log->caption(), QStringLiteral("{plain.TXT} - Bandimor v1.7"));
        QVERIFY(!log->isModified());

        log->saveFile();
        QVERIFY(fake->saveRequests.isEmpty());
        QVERIFY(contentOf(path).startsWith("{\\rtf"));
        QVERIFY(fake->messages.isEmpty());
    }

    void saveAndOpenRoundTrip()
    {
        log->appendLine(QStringLiteral("         * * * * * Опыт № 1 * * * * *"));
        log->appendLine(QStringLiteral("Индуктивность = 2,759 мкГн"));
        QTextCursor cursor(log->document()->firstBlock());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.mergeCharFormat(bold);
        const QString text = log->toPlainText();
        const QString path = dir->filePath("round");
        fake->saveChoices.enqueue({path, 0});
        log->saveFileAs();
        QCOMPARE(log->LogFileName(), path + ".RTF");
        QVERIFY(!log->isModified());

        log->clearLog();
        fake->openChoices.enqueue({path + ".RTF", 0});
        log->openFile();
        QCOMPARE(log->toPlainText(), text);
        QCOMPARE(log->document()->firstBlock().begin().fragment().charFormat().fontWeight(),
                 int(QFont::Bold));
        QCOMPARE(log->capacity(), 2147483632);
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("written");   // empty: nothing written
        QTest::newRow("dialog cancelled") << QString() << 0 << false << 0 << QString();
        QTest::newRow("new name, rtf type") << "log" << 0 << false << 0 << "log.RTF";
        QTest::newRow("new name, txt type") << "log" << 1 << false << 0 << "log.TXT";
        QTest::newRow("new name with extension") << "log.rtf" << 2 << false << 0 << "log.rtf";
        QTest::newRow("existing, answer Yes") << "old.rtf" << 0 << true << int(ui::Answer::Yes) << "old.rtf";
        QTest::newRow("existing, answer No") << "old.rtf" << 0 << true << int(ui::Answer::No) << QString();
    }
    void saveAs()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(QString, written);
        if (exists)
            putFile(dir->filePath(typed), "old");
        log->appendLine(QStringLiteral("new"));
        if (!typed.isEmpty())
            fake->saveChoices.enqueue({dir->filePath(typed), filter});
        if (exists)
            fake->answers.enqueue(ui::Answer(answer));

        log->saveFileAs();
        QCOMPARE(fake->saveRequests.size(), 1);
        QCOMPARE(fake->messages.size(), exists ? 1 : 0);
        if (exists) {
            const ui::MessageRequest &question = fake->messages.at(0);
            QCOMPARE(question.text, QStringLiteral("Файл уже существует.  Перезаписать его?"));
            QCOMPARE(question.caption, QStringLiteral("Вопрос"));
            QCOMPARE(question.icon, ui::Icon::Question);
            QCOMPARE(question.buttons, ui::Buttons::YesNo);
            QCOMPARE(question.defaultButton, ui::Answer::No);
        }
        if (written.isEmpty()) {
            QCOMPARE(log->LogFileName(), kUntitled);
            QVERIFY(log->isModified());
            if (exists)
                QCOMPARE(contentOf(dir->filePath(typed)), QByteArray("old"));
        } else {
            QCOMPARE(log->LogFileName(), dir->filePath(written));
            QVERIFY(!log->isModified());
            const QByteArray data = contentOf(dir->filePath(written));
            QVERIFY(data.startsWith("{\\rtf"));
            QVERIFY(data.contains("new"));
        }
    }

    void saveUntitledCancelledStaysUntitled()
    {
        log->appendLine(QStringLiteral("x"));
        log->saveFile();
        QCOMPARE(fake->saveRequests.size(), 1);
        QCOMPARE(log->LogFileName(), kUntitled);
        QVERIFY(log->isModified());
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("target");
        QTest::newRow("save as onto a folder") << true << "taken.rtf";
        QTest::newRow("save as below a regular file") << true << "plain.txt/log.rtf";
        QTest::newRow("save to a file replaced by a folder") << false << "taken.rtf";
    }
    void failedSaveChangesNothing()
    {
        QFETCH(bool, saveAs);
        QFETCH(QString, target);
        QVERIFY(QDir(dir->path()).mkdir("taken.rtf"));
        putFile(dir->filePath("plain.txt"), "old text");
        const QString path = dir->filePath(target);
        const QString before = saveAs ? kUntitled : path;
        log->SetLogFileName(before);
        log->appendLine(QStringLiteral("x"));
        fake->saveChoices.enqueue({path, 0});

        const QString error = errorOf([&] {
            saveAs ? log->saveFileAs() : log->saveFile();
        });
        QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                 qPrintable(error));
        QCOMPARE(log->LogFileName(), before);
        QVERIFY(log->isModified());
        QCOMPARE(log->toPlainText(), QStringLiteral("x\n"));
        QCOMPARE(contentOf(dir->filePath("plain.txt")), QByteArray("old text"));
        QVERIFY(QFileInfo(dir->filePath("taken.rtf")).isDir());
        QVERIFY(fake->messages.isEmpty());
    }

    void failedOpenChangesNothing()
    {
        log->appendLine(QStringLiteral("kept"));
        fake->answers.enqueue(ui::Answer::No);
        const QString path = dir->filePath("missing.rtf");
        fake->openChoices.enqueue({path, 0});
        const QString error = errorOf([&] { log->openFile(); });
        QVERIFY2(error.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)), qPrintable(error));
        QCOMPARE(log->toPlainText(), QStringLiteral("kept\n"));
        QCOMPARE(log->LogFileName(), kUntitled);
        QVERIFY(log->isModified());
        QCOMPARE(log->capacity(), 65535);
    }

    // A write that stops short (a full disk) changes nothing: not the file,
    // the log, its name nor its modified flag.
    void shortWriteChangesNothing_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("save") << false;
        QTest::newRow("save as over the file") << true;
    }
    void shortWriteChangesNothing()
    {
        QFETCH(bool, saveAs);
        const QString path = titledModifiedLog();
        const QByteArray old = contentOf(path);
        if (saveAs) {
            log->SetLogFileName(kUntitled);
            fake->saveChoices.enqueue({path, 0});
            fake->answers.enqueue(ui::Answer::Yes);
        }
        base::setChunkWriterForTesting([](QIODevice &device, const QByteArray &data) {
            return device.write(data.left(data.size() - 1));
        });
        const auto restore = qScopeGuard([] { base::setChunkWriterForTesting({}); });

        const QString error = errorOf([&] { saveAs ? log->saveFileAs() : log->saveFile(); });
        QCOMPARE(error, QStringLiteral("Failed to Save Stream"));
        QCOMPARE(contentOf(path), old);
        QCOMPARE(log->LogFileName(), saveAs ? kUntitled : path);
        QVERIFY(log->isModified());
        QCOMPARE(log->toPlainText(), QStringLiteral("saved\nmore\n"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"titled.rtf"});
    }

#ifdef Q_OS_UNIX
    // Save as onto a pipe asks the overwrite question like onto any file; the
    // pipe then stays, and the log keeps its name.
    void saveAsOntoPipeAsksAndKeepsIt()
    {
        const QString pipe = dir->filePath("pipe.rtf");
        QVERIFY(makeFifo(pipe));
        log->appendLine(QStringLiteral("x"));
        fake->saveChoices.enqueue({pipe, 0});
        fake->answers.enqueue(ui::Answer::Yes);

        const QString error = errorOf([&] { log->saveFileAs(); });
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].text, QStringLiteral("Файл уже существует.  Перезаписать его?"));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(pipe)), qPrintable(error));
        QCOMPARE(fileKind(pipe), 'p');
        QCOMPARE(log->LogFileName(), kUntitled);
        QVERIFY(log->isModified());
    }
#endif

    // Opening, saving and printing show the busy cursor while they work and
    // restore it after, failures included, so an error box that follows has
    // the normal cursor.
    void busyCursor_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("fails");
        QTest::newRow("open") << "open" << false;
        QTest::newRow("open a missing file") << "open" << true;
        QTest::newRow("save") << "save" << false;
        QTest::newRow("save onto a folder") << "save" << true;
        QTest::newRow("print") << "print" << false;
        QTest::newRow("print into a missing folder") << "print" << true;
    }
    void busyCursor()
    {
        QFETCH(QString, command);
        QFETCH(bool, fails);
        const QString path = titledModifiedLog();
        QVERIFY(QDir(dir->path()).mkdir("folder"));
        QList<bool> busy;
        const auto noteCursor = [&] {
            const QCursor *cursor = QApplication::overrideCursor();
            busy.append(cursor && cursor->shape() == Qt::WaitCursor);
        };
        // Signals that come from inside the work: open takes the file's name,
        // save clears the modified flag.
        connect(log.get(), &ResultsLog::captionChanged, noteCursor);
        connect(log.get(), &ResultsLog::modificationChanged, noteCursor);
        fake->answers.enqueue(ui::Answer::No);
        fake->openChoices.enqueue({fails ? dir->filePath("missing.rtf") : path, 0});
        if (fails)
            log->SetLogFileName(dir->filePath("folder"));
        busy.clear();
        fake->acceptPrint = true;
        fake->preparePrinter = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(dir->filePath(fails ? "none/out.pdf" : "out.pdf"));
        };

        const QString error = errorOf([&] {
            if (command == "open")
                log->openFile();
            else if (command == "save")
                log->saveFile();
            else
                log->printLog();
        });
        QCOMPARE(error.isEmpty(), !fails);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        if (!fails && command != "print") {
            QVERIFY(!busy.isEmpty());
            QVERIFY2(!busy.contains(false), "the busy cursor is up during the work");
        }
    }

    void clearAsksNothingAndNextSaveWritesEmptyLog()
    {
        const QString path = titledModifiedLog();
        log->clearLog();
        QVERIFY(fake->messages.isEmpty());
        QCOMPARE(log->lineCount(), 0);
        QVERIFY(!log->isModified());
        QCOMPARE(log->LogFileName(), path);

        log->saveFile();
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!contentOf(path).contains("saved"));
        ResultsLog reread;
        reread.loadContent(contentOf(path));
        QCOMPARE(reread.toPlainText(), QString());
    }

    void print_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("manyPages");
        QTest::addColumn<QString>("jobName");  // without braces or folders
        QTest::newRow("short untitled log") << 3 << false << false << kUntitled;
        QTest::newRow("long titled log") << 400 << true << true << "coil.rtf";
    }
    void print()
    {
        QFETCH(int, lines);
        QFETCH(bool, titled);
        QFETCH(bool, manyPages);
        QFETCH(QString, jobName);
        log->setCapacity(2147483632);
        for (int i = 0; i < lines; ++i)
            log->appendLine(QStringLiteral("Строка %1").arg(i));
        if (titled)
            log->SetLogFileName(dir->filePath("coil.rtf"));
        log->setModified(false);
        const QString pdf = dir->filePath("out.pdf");
        fake->acceptPrint = true;
        fake->preparePrinter = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
        };

        log->printLog();
        QCOMPARE(fake->printDialogs, 1);
        const QByteArray bytes = contentOf(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains(pdfTitle(jobName)));
        const int pages = pdfPageCount(bytes);
        QVERIFY2(manyPages ? pages > 1 : pages == 1, qPrintable(QString::number(pages)));
        QVERIFY(!log->isModified());
    }

    // What the print dialog asks reaches the paper: a 3-page log, each page
    // started by a page break.
    void printAsAsked_data()
    {
        QTest::addColumn<int>("from");     // 0: all pages
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<int>("sheets");   // 0: nothing printed

        QTest::newRow("all pages") << 0 << 0 << 1 << true << 3;
        QTest::newRow("page 2 to 2") << 2 << 2 << 1 << true << 1;
        QTest::newRow("page 2 to 2, three copies") << 2 << 2 << 3 << true << 3;
        QTest::newRow("two uncollated copies") << 0 << 0 << 2 << false << 6;
        QTest::newRow("pages beyond the log") << 4 << 5 << 1 << true << 0;
    }
    void printAsAsked()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(int, sheets);
        QTextCursor cursor(log->document());
        for (int page = 1; page <= 3; ++page) {
            if (page > 1)
                cursor.insertBlock();
            QTextBlockFormat format;
            if (page > 1)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
            cursor.insertText(QStringLiteral("Страница %1").arg(page));
        }
        const QString pdf = dir->filePath("range.pdf");
        bool asked = false;
        QMarginsF printable;
        QRectF paper;
        fake->acceptPrint = true;
        fake->preparePrinter = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPdfVersion(QPagedPaintDevice::PdfVersion_1_4);
            if (from > 0) {
                printer->setPrintRange(QPrinter::PageRange);
                printer->setFromTo(from, to);
            }
            printer->setCopyCount(copies);
            printer->setCollateCopies(collate);
            asked = true;
            printable = printer->pageLayout().minimumMargins();
            paper = printer->pageLayout().fullRect(QPageLayout::Point);
        };

        log->printLog();
        QVERIFY(asked);
        if (sheets == 0) {
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        const QByteArray bytes = contentOf(pdf);
        QCOMPARE(pdfPageCount(bytes), sheets);

        // The page's drawing starts inside the margins: 20 mm from the left
        // and 10 mm from the top edge of a PDF's paper, which has none of its own.
        QCOMPARE(printable, QMarginsF());
        const QByteArray page = firstTextPage(bytes);
        const std::optional<QPointF> origin = pageOrigin(page);
        QVERIFY2(origin, page.constData());
        QVERIFY2(keepsMargins(*origin, paper),
                 qPrintable(QStringLiteral("%1, %2").arg(origin->x()).arg(origin->y())));
        // The first line printed starts at the left margin, its baseline within
        // the first line's height of the top. The page shown is moved into
        // place by a translation of its own ("1 0 0 1 x y cm").
        const qsizetype textStart = page.indexOf("BT\n");
        QVERIFY2(textStart > 0, page.constData());
        static const QRegularExpression shift(QStringLiteral("1 0 0 1 (\\S+) (\\S+) cm\\n"));
        QPointF shifted;
        for (const QRegularExpressionMatch &m : shift.globalMatch(QString::fromLatin1(page.left(textStart))))
            shifted = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
        static const QRegularExpression firstText(QStringLiteral("^BT\\n[^\\n]*Tm\\n(\\S+) (\\S+) Td"));
        const QRegularExpressionMatch text = firstText.match(QString::fromLatin1(page.mid(textStart)));
        QVERIFY2(text.hasMatch(), page.constData());
        QCOMPARE(text.captured(1).toDouble() + shifted.x(), 0.0);
        const qreal baseline = -text.captured(2).toDouble() + shifted.y();
        QVERIFY2(baseline > 0 && baseline < 2 * QFontMetricsF(log->logFont()).height(),
                 qPrintable(QString::number(baseline)));
    }

    // Forty result blocks on paper: every page keeps the margins, and every
    // page after the first starts with a block's "Опыт №" line: the glyphs of
    // "         * * * * * Опыт" that the first page's first line shows.
    void printKeepsMarginsAndWholeBlocks()
    {
        log->setCapacity(2147483632);
        sample::appendBlocks(log->document(), 1, 40);
        const QString pdf = dir->filePath("blocks.pdf");
        QRectF paper;
        fake->acceptPrint = true;
        fake->preparePrinter = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPdfVersion(QPagedPaintDevice::PdfVersion_1_4);
            paper = printer->pageLayout().fullRect(QPageLayout::Point);
        };
        log->printLog();

        const QList<QByteArray> pages = textPages(contentOf(pdf));
        QVERIFY2(pages.size() > 2, qPrintable(QString::number(pages.size())));
        const int headerGlyphs = 23;
        const QStringList header = firstGlyphs(pages.constFirst(), headerGlyphs);
        QCOMPARE(header.size(), headerGlyphs);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const std::optional<QPointF> origin = pageOrigin(pages.at(i));
            QVERIFY2(origin, qPrintable(QString::number(i)));
            QVERIFY2(keepsMargins(*origin, paper), qPrintable(QString::number(i)));
            QVERIFY2(firstGlyphs(pages.at(i), headerGlyphs) == header, qPrintable(QString::number(i)));
        }
    }

    void printCancelledPrintsNothing()
    {
        const QString pdf = dir->filePath("out.pdf");
        fake->preparePrinter = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
        };
        log->printLog();
        QCOMPARE(fake->printDialogs, 1);
        QVERIFY(!QFile::exists(pdf));
    }

    void font_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("family");   // of the log's font afterwards
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QColor>("colour");    // of the log's text afterwards
        QTest::addColumn<bool>("modified");

        const QColor black(Qt::black);
        QTest::newRow("cancelled") << "cancel" << "Times New Roman" << 6 << black << false;
        QTest::newRow("OK unchanged") << "unchanged" << "Times New Roman" << 6 << black << false;
        QTest::newRow("other face") << "Arial 12" << "Arial" << 12 << black << true;
        QTest::newRow("same face, other size") << "same face 9" << "Times New Roman" << 9 << black << true;
        QTest::newRow("colour only") << "red" << "Times New Roman" << 6 << QColor(Qt::red) << true;
    }
    void font()
    {
        QFETCH(QString, answer);
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        QFETCH(QColor, colour);
        QFETCH(bool, modified);

        const QFont design = ResultsLog::designFont();
        // The dialog is offered the face the log is drawn in, not a name it may not list.
        const QString drawnFace = QFontInfo(design).family();
        ui::FontChoice offered{design, QColor(Qt::black)};
        offered.font.setFamily(drawnFace);
        if (answer == "cancel") {
        } else if (answer == "unchanged") {
            fake->chooseUnchanged = true;
        } else if (answer == "Arial 12") {
            fake->fontChoice = ui::FontChoice{QFont(QStringLiteral("Arial"), 12), QColor(Qt::black)};
        } else if (answer == "same face 9") {
            fake->fontChoice = ui::FontChoice{QFont(drawnFace, 9), QColor(Qt::black)};
        } else {
            fake->fontChoice = offered;
            fake->fontChoice->color = Qt::red;
        }

        log->chooseFont();
        QCOMPARE(fake->fontRequests.size(), 1);
        QCOMPARE(fake->fontRequests.at(0).font.family(), drawnFace);
        QCOMPARE(fake->fontRequests.at(0).font.pointSize(), 6);
        QCOMPARE(fake->fontRequests.at(0).color, QColor(Qt::black));
        QCOMPARE(log->logFont().family(), family);
        QCOMPARE(log->logFont().pointSize(), pointSize);
        QCOMPARE(log->document()->defaultFont(), log->logFont());
        QCOMPARE(log->palette().color(QPalette::Text), colour);
        QCOMPARE(log->isModified(), modified);
    }

    void chosenColourIsPrinted()
    {
        fake->fontChoice = ui::FontChoice{ResultsLog::designFont(), QColor(0, 0, 255)};
        log->chooseFont();
        QCOMPARE(log->logTextColor(), QColor(0, 0, 255));
        log->appendLine(QStringLiteral("Индуктивность = 12"));

        const QString pdf = dir->filePath("colour.pdf");
        fake->acceptPrint = true;
        fake->preparePrinter = [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPdfVersion(QPagedPaintDevice::PdfVersion_1_4);
        };
        log->printLog();
        // The PDF writer sets the fill colour of the text as "r g b scn".
        const QByteArray bytes = contentOf(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(pdfPageContentHas(bytes, "0 0 1 scn"));
    }

private:
    static bool ui_runs(const std::function<void()> &command)
    {
        try {
            command();
            return true;
        } catch (const CommandAborted &) {
            return false;
        }
    }
};

QTEST_MAIN(TestLogCommands)
#include "test_logcommands.moc"
