// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/PrintedPages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>

namespace coil {
namespace {

constexpr qreal leftMarginMm = 20;
constexpr qreal otherMarginsMm = 10;

// A line of text, or a table as a whole, in document coordinates.
struct PrintedLine
{
    qreal top = 0;
    qreal bottom = 0;
    bool breakBefore = false;  // the text asks for a new page here
    bool startsBlock = false;  // the "Опыт №" line of a result block
    bool empty = false;
    int block = -1;            // the result block it belongs to, if any
};

bool breaksBefore(QTextFormat::PageBreakFlags flags)
{
    return flags & QTextFormat::PageBreak_AlwaysBefore;
}

bool breaksAfter(QTextFormat::PageBreakFlags flags)
{
    return flags & QTextFormat::PageBreak_AlwaysAfter;
}

QList<PrintedLine> printedLines(const QTextDocument &document)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    // The layout is made lazily, a part at a time: all of it is needed.
    (void)layout->documentSize();
    QList<PrintedLine> lines;
    bool breakPending = false;
    const auto add = [&](PrintedLine line, QTextFormat::PageBreakFlags flags) {
        line.breakBefore = breakPending || breaksBefore(flags);
        breakPending = false;
        lines.append(line);
    };
    for (QTextFrame::iterator it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *frame = it.currentFrame()) {
            // A table moves to the next page only as a whole.
            const QRectF box = layout->frameBoundingRect(frame);
            const QTextFormat::PageBreakFlags flags = frame->frameFormat().pageBreakPolicy();
            add({box.top(), box.bottom()}, flags);
            breakPending = breaksAfter(flags);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const QTextLayout *text = block.layout();
        if (!text)
            continue;
        const QString content = block.text();
        const QTextFormat::PageBreakFlags flags = block.blockFormat().pageBreakPolicy();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            const qreal top = text->position().y() + line.y();
            PrintedLine printed{top, top + line.height()};
            printed.startsBlock = i == 0 && content.contains(QStringLiteral("Опыт №"));
            printed.empty = content.trimmed().isEmpty();
            add(printed, i == 0 ? flags : QTextFormat::PageBreakFlags());
        }
        breakPending = breakPending || breaksAfter(flags);
    }

    // A result block runs from its first line to its last line that is not
    // empty before the next block begins.
    int block = -1;
    qsizetype lastFilled = -1;
    for (qsizetype i = 0; i <= lines.size(); ++i) {
        if (i == lines.size() || lines.at(i).startsBlock) {
            for (qsizetype k = lastFilled + 1; k < i && block >= 0; ++k)
                lines[k].block = -1;
            if (i == lines.size())
                break;
            ++block;
        }
        lines[i].block = block;
        if (!lines.at(i).empty || lines.at(i).startsBlock)
            lastFilled = i;
    }
    return lines;
}

} // namespace

QList<int> pagesToPrint(int pageCount, const QPageRanges &ranges, int copies, bool collate,
                        bool lastPageFirst)
{
    QList<int> range;
    for (int page = 1; page <= pageCount; ++page) {
        if (ranges.isEmpty() || ranges.contains(page))
            range.append(page);
    }
    if (lastPageFirst)
        std::reverse(range.begin(), range.end());

    copies = std::max(1, copies);
    QList<int> pages;
    if (collate) {
        for (int copy = 0; copy < copies; ++copy)
            pages.append(range);
    } else {
        for (const int page : std::as_const(range))
            pages.append(QList<int>(copies, page));
    }
    return pages;
}

QMarginsF printMargins(const QMarginsF &printerMinimumMm)
{
    return {std::max(leftMarginMm, printerMinimumMm.left()), std::max(otherMarginsMm, printerMinimumMm.top()),
            std::max(otherMarginsMm, printerMinimumMm.right()),
            std::max(otherMarginsMm, printerMinimumMm.bottom())};
}

QList<PageSlice> documentPages(const QTextDocument &document, qreal pageHeight)
{
    QList<PrintedLine> lines = printedLines(document);
    if (lines.isEmpty() || pageHeight <= 0)
        return {PageSlice{0, std::max<qreal>(pageHeight, 0)}};

    // Where each result block begins and ends.
    QList<qsizetype> blockStart;
    QList<qreal> blockBottom;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int block = lines.at(i).block;
        if (block < 0)
            continue;
        if (block >= blockStart.size()) {
            blockStart.resize(block + 1, i);
            blockBottom.resize(block + 1, 0);
        }
        blockBottom[block] = lines.at(i).bottom;
    }

    QList<PageSlice> pages;
    qsizetype i = 0;
    const qsizetype count = lines.size();
    while (i < count) {
        // The first page starts at the document's top, any other at its first line.
        const qreal top = pages.isEmpty() ? std::min<qreal>(0, lines.at(i).top) : lines.at(i).top;
        const qreal limit = top + pageHeight;
        if (lines.at(i).bottom > limit) {
            pages.append({top, limit});
            lines[i].top = limit;
            continue;
        }
        qsizetype next = i + 1;
        while (next < count && !lines.at(next).breakBefore && lines.at(next).bottom <= limit)
            ++next;
        if (next < count && !lines.at(next).breakBefore && lines.at(next).block >= 0) {
            const int block = lines.at(next).block;
            const qsizetype start = blockStart.at(block);
            if (start > i && start < next && blockBottom.at(block) - lines.at(start).top <= pageHeight)
                next = start;
        }
        pages.append({top, next < count ? lines.at(next).top : lines.at(count - 1).bottom});
        i = next;
    }
    return pages;
}

} // namespace coil
