// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Credits.h"

#include "ui/ControlText.h"
#include "ui/BaseFont.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtMath>

namespace app::credits {

QList<CreditsLine> creditsLines()
{
    const auto body = [](const QString &text) { return CreditsLine{text, false}; };
    return {
        {QStringLiteral("Credits &&"), true},
        body(QStringLiteral("Программа для радиолюбителей. ")),
        body(QStringLiteral("Позволяет узнать всё о миниатюрном ")),
        body(QStringLiteral("резисторе по его цветовой маркировке ")),
        body(QStringLiteral("и наоборот в соответсвие с ")),
        body(QStringLiteral("ГОСТ 175-72 и публикацией 62 МЭК. ")),
        body(QStringLiteral("Незаконное распространение ")),
        body(QStringLiteral("приветствуется.")),
        body(QString()),
        body(QStringLiteral("Это был комментарий к первой версии.")),
        body(QStringLiteral("Теперь же она может рассчитывать")),
        body(QStringLiteral("различные параметры катушек ")),
        body(QStringLiteral("и резонансных контуров, сохранять ")),
        body(QStringLiteral("результат работы в файл ")),
        body(QString(27, QLatin1Char(' ')) + QStringLiteral("и многое другое...")),
        body(QString()),
        // The second section has no header.
        body(QStringLiteral("Bandimor project, 2026")),
        body(QStringLiteral("73! Привет всем радиолюбителям!")),
    };
}

} // namespace app::credits

namespace app::credits {

int rowOpacity(int row)
{
    if (row < 0 || row > kFadeInStart)
        return 0;
    if (row > kFullFrom)
        return qRound(100.0 * (kFadeInStart - row) / (kFadeInStart - kFullFrom));
    if (row >= kFullTo)
        return 100;
    return qRound(100.0 * row / kFullTo);
}

int loopLength(int textHeight)
{
    return kFadeInStart + qMax(textHeight, 0);
}

int textTopAt(int tick, int textHeight)
{
    return kFadeInStart - tick % loopLength(textHeight);
}

void fadeRows(QImage &image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const qreal ratio = image.devicePixelRatio() > 0 ? image.devicePixelRatio() : 1.0;
    for (int y = 0; y < image.height(); ++y) {
        const int opacity = rowOpacity(int(y / ratio));
        if (opacity == 100)
            continue;
        auto *pixel = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, ++pixel) {
            const auto scale = [opacity](int channel) { return (channel * opacity + 50) / 100; };
            *pixel = qRgba(scale(qRed(*pixel)), scale(qGreen(*pixel)), scale(qBlue(*pixel)),
                           scale(qAlpha(*pixel)));
        }
    }
}

} // namespace app::credits

CreditsView::CreditsView(QWidget *parent)
    : QWidget(parent)
    , m_lines(app::credits::creditsLines())
    , m_headerFont(ui::pixelFont(QStringLiteral("Times New Roman"), 17))
    , m_bodyFont(ui::pixelFont(QStringLiteral("Arial"), 13))
{
    setObjectName(QStringLiteral("abfCredits1"));
    ui::setAccessibleTexts(this, QStringLiteral("Титры"),
                           QStringLiteral("Прокручиваемый рассказ о программе"));
    setCursor(Qt::ForbiddenCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_timer.setInterval(app::credits::kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CreditsView::tick);
    m_timer.start();
}

void CreditsView::tick()
{
    m_tick = (m_tick + 1) % app::credits::loopLength(textHeight());
    update();
}

int CreditsView::lineHeight() const
{
    return QFontMetrics(m_bodyFont).height();
}

int CreditsView::textHeight() const
{
    return int(m_lines.size()) * lineHeight();
}

int CreditsView::textTop() const
{
    return app::credits::textTopAt(m_tick, textHeight());
}

void CreditsView::paintEvent(QPaintEvent *)
{
    // The text is drawn at full strength into an image of its own, faded
    // row by row, then laid over the button-face background.
    const qreal ratio = devicePixelRatioF();
    QImage text(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    text.setDevicePixelRatio(ratio);
    text.fill(Qt::transparent);
    {
        QPainter painter(&text);
        const int pitch = lineHeight();
        int top = textTop();
        for (const app::credits::CreditsLine &line : std::as_const(m_lines)) {
            if (top < height() && top + pitch * 2 > 0 && !line.text.isEmpty()) {
                const QFont &font = line.isHeader ? m_headerFont : m_bodyFont;
                const QFontMetrics metrics(font);
                // Centred by the full advance, trailing blanks included.
                const int x = (width() - metrics.horizontalAdvance(line.text)) / 2;
                painter.setFont(font);
                painter.setPen(line.isHeader ? QColor(Qt::red) : QColor(Qt::blue));
                painter.drawText(QPoint(x, top + metrics.ascent()), line.text);
            }
            top += pitch;
        }
    }
    app::credits::fadeRows(text);

    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawImage(QPoint(0, 0), text);
}
