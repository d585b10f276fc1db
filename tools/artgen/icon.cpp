// The window and desktop icon: a crescent Moon and a star over a horizon,
// on a night-blue tile. Drawn as vectors so every size is sharp.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

QPainterPath tile()
{
    QPainterPath p;
    p.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    return p;
}

void paintSky(QPainter& p)
{
    QLinearGradient sky(0, 1, 0, 24);
    sky.setColorAt(0, QColor(8, 20, 52));
    sky.setColorAt(1, QColor(34, 72, 140));
    p.fillRect(QRectF(0, 0, 32, 32), sky);
}

void paintGround(QPainter& p)
{
    QPainterPath ground;
    ground.moveTo(0, 25);
    ground.cubicTo(10, 23.2, 20, 23.6, 32, 24.4);
    ground.lineTo(32, 32);
    ground.lineTo(0, 32);
    ground.closeSubpath();
    QLinearGradient earth(0, 23, 0, 31);
    earth.setColorAt(0, QColor(22, 38, 70));
    earth.setColorAt(1, QColor(10, 18, 36));
    p.fillPath(ground, earth);
    p.strokePath(ground, QPen(QColor(150, 186, 240), 1.0));
}

void paintCrescent(QPainter& p)
{
    QPainterPath disc, bite;
    disc.addEllipse(QPointF(19.5, 11.5), 7.0, 7.0);
    bite.addEllipse(QPointF(23.0, 9.0), 6.0, 6.0);
    p.fillPath(disc.subtracted(bite), QColor(250, 236, 170));
}

// Four-pointed glint.
void paintStar(QPainter& p, QPointF c, double r)
{
    QPainterPath s;
    const double w = r * 0.28;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    s.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    s.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    s.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    p.fillPath(s, Qt::white);
}

} // namespace

Draw iconPicture()
{
    return [](QImage& img, double scale) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.setClipPath(tile());
        paintSky(p);
        paintGround(p);
        paintCrescent(p);
        paintStar(p, {8.5, 9.0}, 4.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 230, 255));
        p.drawEllipse(QPointF(7.0, 18.0), 0.8, 0.8);
        p.drawEllipse(QPointF(26.0, 19.5), 0.7, 0.7);
    };
}

} // namespace artgen
