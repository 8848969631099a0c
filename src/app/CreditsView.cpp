#include "app/CreditsView.h"

#include "app/CreditsScroll.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

QFont pixelFont(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

CreditsView::CreditsView(QWidget *parent)
    : QWidget(parent)
    , m_lines(app::credits::creditsLines())
    , m_headerFont(pixelFont(QStringLiteral("Times New Roman"), 17))
    , m_bodyFont(pixelFont(QStringLiteral("Arial"), 13))
{
    setObjectName(QStringLiteral("abfCredits1"));
    setAccessibleName(QStringLiteral("Титры"));
    setAccessibleDescription(QStringLiteral("Прокручиваемый рассказ о программе"));
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
