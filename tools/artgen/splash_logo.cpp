// The splash picture: the sky as a dome over the horizon, gridded like a
// celestial globe, with a planet going round a small sun.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace artgen {

namespace {

// A tall dome fills the nearly square picture better than a half circle.
constexpr QPointF kDomeCentre(71.5, 104.0);
constexpr double kDomeRx = 63.0, kDomeRy = 86.0;
constexpr QPointF kOrbitCentre(71.5, 64.0);
constexpr double kOrbitRx = 62.0, kOrbitRy = 16.0, kOrbitTurn = -12.0;

QPainterPath dome()
{
    QPainterPath p;
    p.moveTo(kDomeCentre.x() - kDomeRx, kDomeCentre.y());
    p.arcTo(QRectF(kDomeCentre.x() - kDomeRx, kDomeCentre.y() - kDomeRy, 2 * kDomeRx, 2 * kDomeRy), 180, -180);
    p.closeSubpath();
    return p;
}

void paintDome(QPainter& p)
{
    QLinearGradient sky(0, kDomeCentre.y() - kDomeRy, 0, kDomeCentre.y());
    sky.setColorAt(0, QColor(14, 36, 92));
    sky.setColorAt(1, QColor(70, 130, 205));
    p.fillPath(dome(), sky);

    // Meridians and an altitude circle, seen from the side.
    p.save();
    p.setClipPath(dome());
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    for (double f : {0.35, 0.75})
        p.drawEllipse(kDomeCentre, kDomeRx * f, kDomeRy);
    for (double f : {0.4, 0.75})
        p.drawLine(QPointF(0, kDomeCentre.y() - kDomeRy * f), QPointF(143, kDomeCentre.y() - kDomeRy * f));
    p.restore();
}

void paintStars(QPainter& p)
{
    std::mt19937 rng(0x51a5u);
    auto unit = [&rng] { return double(rng()) / 4294967296.0; };
    p.setPen(Qt::NoPen);
    for (int placed = 0; placed < 18;) {
        const QPointF s(kDomeCentre.x() + (unit() * 2 - 1) * kDomeRx, kDomeCentre.y() - unit() * kDomeRy);
        const QPointF d(s.x() - kDomeCentre.x(), (s.y() - kDomeCentre.y()) * kDomeRx / kDomeRy);
        if (QPointF::dotProduct(d, d) > (kDomeRx - 6) * (kDomeRx - 6) || d.y() > -8)
            continue;
        p.setBrush(QColor(255, 255, 255, 140 + int(unit() * 115)));
        p.drawEllipse(s, 0.6 + unit() * 0.6, 0.6 + unit() * 0.6);
        ++placed;
    }
}

void paintGround(QPainter& p)
{
    QPainterPath ground;
    ground.moveTo(2, kDomeCentre.y());
    ground.lineTo(141, kDomeCentre.y());
    ground.quadTo(71.5, kDomeCentre.y() + 22, 2, kDomeCentre.y());
    QLinearGradient g(0, kDomeCentre.y(), 0, kDomeCentre.y() + 10);
    g.setColorAt(0, QColor(30, 44, 74));
    g.setColorAt(1, QColor(64, 84, 120));
    p.fillPath(ground, g);
    p.setPen(QPen(QColor(30, 44, 74), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, kDomeCentre.y()), QPointF(141, kDomeCentre.y()));
}

// Half of the orbit ellipse: the far (upper) half or the near one.
void paintOrbitHalf(QPainter& p, bool nearHalf)
{
    p.save();
    p.translate(kOrbitCentre);
    p.rotate(kOrbitTurn);
    p.setPen(QPen(QColor(238, 176, 60), 1.6));
    p.setBrush(Qt::NoBrush);
    const QRectF box(-kOrbitRx, -kOrbitRy, 2 * kOrbitRx, 2 * kOrbitRy);
    p.drawArc(box, nearHalf ? 180 * 16 : 0, 180 * 16);
    p.restore();
}

void paintBall(QPainter& p, QPointF centre, double r, const QColor& light, const QColor& dark)
{
    QRadialGradient g(centre, r, centre - QPointF(r * 0.4, r * 0.45));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
}

void paintSun(QPainter& p)
{
    QRadialGradient glow(kOrbitCentre, 14);
    glow.setColorAt(0, QColor(255, 230, 140, 200));
    glow.setColorAt(1, QColor(255, 230, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kOrbitCentre, 14, 14);
    paintBall(p, kOrbitCentre, 6, QColor(255, 250, 214), QColor(246, 184, 60));
}

QPointF orbitPoint(double angleDeg)
{
    QTransform t;
    t.translate(kOrbitCentre.x(), kOrbitCentre.y());
    t.rotate(kOrbitTurn);
    const double a = qDegreesToRadians(angleDeg);
    return t.map(QPointF(kOrbitRx * std::cos(a), kOrbitRy * std::sin(a)));
}

} // namespace

Draw splashLogoPicture()
{
    return [](QImage& img, double scale) {
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        paintDome(p);
        paintStars(p);
        paintGround(p);
        paintOrbitHalf(p, false);
        paintSun(p);
        paintOrbitHalf(p, true);
        paintBall(p, orbitPoint(35), 8.5, QColor(170, 220, 255), QColor(24, 70, 150));
    };
}

} // namespace artgen
