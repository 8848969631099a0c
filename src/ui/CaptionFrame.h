// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A group frame with a caption bar across its top, the caption centred in
// the frame's own font and colour.

#include <QColor>
#include <QGroupBox>

class CaptionFrame : public QGroupBox
{
    Q_OBJECT

public:
    CaptionFrame(const QString &title, int captionHeight, QWidget *parent = nullptr);

    int captionHeight() const { return m_captionHeight; }
    void setCaptionColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_captionHeight;
    QColor m_captionColor;
};
