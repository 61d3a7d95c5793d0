#include "picturebox.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// Rendered pictures by name, size and pixel ratio: frames are switched
// every 100 ms during a bite, so each is drawn from SVG once.
QPixmap renderedPicture(const QString &name, QSize size, qreal ratio)
{
    static QHash<QString, QPixmap> cache;
    const QString key = name + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x')
        + QString::number(size.height()) + QLatin1Char('@') + QString::number(ratio);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QSvgRenderer renderer(QStringLiteral(":/pictures/") + name + QStringLiteral(".svg"));
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setPictureName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_name.isEmpty())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, renderedPicture(m_name, size(), devicePixelRatioF()));
}
