#include "settingsdetailbutton.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int ButtonWidth = 30;
constexpr int ButtonHeight = 18;
constexpr int GlassSize = 14;

// Drawn at twice the size, so the glass stays sharp on a 2x screen.
QIcon magnifierIcon()
{
    QPixmap pixmap(GlassSize * 2, GlassSize * 2);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        p.setPen(QPen(QColor(0x3a, 0x2a, 0x1a), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(0xe6, 0xf4, 0xfa));
        p.drawEllipse(QRectF(2, 1.5, 8, 8));
        p.setPen(QPen(QColor(0x3a, 0x2a, 0x1a), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.2, 8.7), QPointF(12.5, 12));
        p.setPen(QPen(QColor(255, 255, 255, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(3.6, 3.1, 4.8, 4.8), 100 * 16, 70 * 16);
    }
    pixmap.setDevicePixelRatio(2);
    return QIcon(pixmap);
}

} // namespace

QPushButton *makeDetailButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setFixedSize(ButtonWidth, ButtonHeight);
    button->setIcon(magnifierIcon());
    button->setIconSize(QSize(GlassSize, GlassSize));
    button->setCursor(Qt::PointingHandCursor);
    // For the mouse only: a key on it would choose its raft unseen. The
    // keyboard opens a raft's details with Enter on the raft's name.
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffd08a, stop:1 #f29a3e);"
        " border: 1px solid #8a4a1a; border-radius: 5px; padding: 0px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe2b0, stop:1 #f6ae5c); }"
        "QPushButton:pressed { background: #e08a34; }"));
    return button;
}
