// The main window's own caption strip with its minimise button.
#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "app/quotedlg.h"
#include "session/captionbutton.h"

namespace sorvanta {

QImage CaptionButtonPicture() {
    const QRgb white = qRgb(255, 255, 255);
    const QRgb lightGrey = qRgb(192, 192, 192);
    const QRgb darkGrey = qRgb(128, 128, 128);
    const QRgb black = qRgb(0, 0, 0);
    QImage picture(14, 12, QImage::Format_RGB32);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 14; ++x) {
            QRgb colour = lightGrey;
            if (y == 0 || (x == 0 && y < 11)) colour = white;
            if (y == 11 || (x == 13 && y > 0)) colour = darkGrey;
            if ((y == 8 || y == 9) && x >= 3 && x <= 8) colour = black;
            picture.setPixel(x, y, colour);
        }
    }
    return picture;
}

void CQuoteDlg::DrawCaptionButton(QPainter& painter) const {
    const CaptionButtonRect place = CaptionButtonPlace(width());
    painter.drawImage(QPoint(place.left, place.top), m_bmpCaption);
}

bool CQuoteDlg::IsOnCaptionButton(QPoint windowPos) const {
    return sorvanta::IsOnCaptionButton(width(), windowPos.x(), windowPos.y());
}

void CQuoteDlg::paintEvent(QPaintEvent* pEvent) {
    QDialog::paintEvent(pEvent);
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
    const QRect strip(kFrameWidth, kFrameWidth, width() - 2 * kFrameWidth, kCaptionHeight - kFrameWidth - 1);
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    painter.fillRect(
        strip, isActiveWindow() ? palette().color(group, QPalette::Highlight) : palette().color(group, QPalette::Mid));
    painter.setPen(palette().color(group, QPalette::HighlightedText));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(strip.adjusted(4, 0, CaptionButtonPlace(width()).left - width(), 0),
                     Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
    DrawCaptionButton(painter);
}

void CQuoteDlg::mousePressEvent(QMouseEvent* pEvent) {
    const QPoint pos = pEvent->position().toPoint();
    if (pEvent->button() == Qt::LeftButton && IsOnCaptionButton(pos)) {
        PostMinimize();
        return;
    }
    if (pEvent->button() == Qt::LeftButton && pos.y() < kCaptionHeight && windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
        return;
    }
    QDialog::mousePressEvent(pEvent);
}

}  // namespace sorvanta
