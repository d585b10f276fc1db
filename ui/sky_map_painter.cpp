#include "sky_map_painter.h"

#include <QPainter>
#include <QImage>
#include <cmath>
#include <map>

#include "qt_text.h"

namespace zenlith {

namespace {

using sky_map::HorizonPoint;
using sky_map::LabelKind;
using sky_map::ProjectionKind;
using sky_map::SkyProjection;
using sky_map::ViewPoint;

constexpr std::array<std::pair<double, std::string_view>, 4> cardinalPoints = {{
    {0, "צפון"}, {90, "מזרח"}, {180, "דרום"}, {270, "מערב"},
}};

QPointF at(ViewPoint p) { return {p.x, p.y}; }

bool isLight(const QColor& c) { return c.lightness() > 128; }

// What is drawn over the sky: dark on the day's pale sky, light at night.
struct Ink {
    QColor stars, figures, grid, labels, constellations;
};

Ink inkFor(const QColor& sky) {
    if (isLight(sky)) {
        return {QColor(40, 40, 90), QColor(90, 110, 160), QColor(150, 150, 120), QColor(20, 20, 60),
                QColor(110, 90, 60)};
    }
    return {QColor(255, 255, 240), QColor(70, 110, 170), QColor(60, 80, 90), QColor(230, 230, 210),
            QColor(150, 170, 200)};
}

void paintBackground(QPainter& painter, const SkyProjection& projection, const QColor& sky) {
    const QRectF view(0, 0, projection.width(), projection.height());
    if (projection.kind() == ProjectionKind::horizonStrip) {
        painter.fillRect(view, sky);
        return;
    }
    painter.fillRect(view, QColor(24, 24, 24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    const double r = projection.horizonRadius();
    painter.drawEllipse(at(projection.zenith()), r, r);
}

void paintGrid(QPainter& painter, const SkyProjection& projection, const QColor& colour) {
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const double alt : {30.0, 60.0}) {
        if (projection.kind() == ProjectionKind::disc) {
            const double r = projection.project({0, alt}).y - projection.zenith().y;
            painter.drawEllipse(at(projection.zenith()), std::abs(r), std::abs(r));
        } else {
            painter.drawLine(at(projection.project({0, alt})), at(projection.project({360, alt})));
        }
    }
    for (double az = 0; az < 360; az += 30) {
        painter.drawLine(at(projection.project({az, 0})), at(projection.project({az, 90})));
    }
}

void paintCardinalPoints(QPainter& painter, const SkyProjection& projection, const QColor& colour) {
    painter.setPen(colour);
    const QFontMetricsF metrics(painter.font());
    for (const auto& [az, name] : cardinalPoints) {
        const QString text = qtText(name);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
        ViewPoint p = projection.project({az, 0});
        QRectF box(QPointF(p.x - size.width() / 2, p.y - size.height()), size);
        if (projection.kind() == ProjectionKind::disc) {
            // Just inside the rim, towards the zenith.
            const ViewPoint inward = projection.project({az, 4});
            box.moveCenter(at(inward));
        }
        painter.drawText(box.translated(box.left() < 0 ? -box.left() : 0, 0), Qt::AlignCenter, text);
    }
}

// A star's dot, drawn once per size and ink and then copied: thousands of
// antialiased ellipses cost several times more than copying small pictures.
class StarDots {
public:
    explicit StarDots(const QColor& ink) : ink_(ink) {}

    void draw(QPainter& painter, const sky_map::SceneStar& star) {
        const int size = static_cast<int>(std::lround(star.radiusPixels * stepsPerPixel));
        const QImage& dot = dotOf(size);
        painter.drawImage(QPointF(star.at.x - dot.width() / 2.0, star.at.y - dot.height() / 2.0), dot);
    }

private:
    static constexpr double stepsPerPixel = 4;  // sizes a quarter pixel apart

    const QImage& dotOf(int size) {
        auto found = dots_.find(size);
        if (found != dots_.end()) return found->second;
        const double radius = size / stepsPerPixel;
        const int side = 2 * static_cast<int>(std::ceil(radius)) + 2;
        QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::transparent);
        QPainter paint(&dot);
        paint.setRenderHint(QPainter::Antialiasing);
        paint.setPen(Qt::NoPen);
        paint.setBrush(ink_);
        paint.drawEllipse(QPointF(side / 2.0, side / 2.0), radius, radius);
        return dots_.emplace(size, std::move(dot)).first->second;
    }

    QColor ink_;
    std::map<int, QImage> dots_;
};

void paintStars(QPainter& painter, const sky_map::SkyScene& scene, const Ink& ink) {
    painter.setPen(QPen(ink.figures, 1));
    for (const sky_map::SceneLine& line : scene.figureLines) painter.drawLine(at(line.from), at(line.to));
    StarDots dots(ink.stars);
    for (const sky_map::SceneStar& star : scene.stars) dots.draw(painter, star);
}

void paintBodies(QPainter& painter, const sky_map::SkyScene& scene, const SkyMapLook& look) {
    for (const sky_map::SceneBody& body : scene.bodies) {
        const QPixmap& picture = look.pictures[static_cast<std::size_t>(body.bodyIndex)];
        if (picture.isNull()) continue;
        const QSizeF size = picture.deviceIndependentSize();
        painter.drawPixmap(QRectF(QPointF(body.at.x - size.width() / 2, body.at.y - size.height() / 2), size), picture,
                           QRectF(picture.rect()));
    }
}

void paintLabels(QPainter& painter, const sky_map::SkyScene& scene, const Ink& ink, const QFont& font) {
    QFont italic = font;
    italic.setItalic(true);
    QFont bold = font;
    bold.setBold(true);
    for (const sky_map::SceneLabel& label : scene.labels) {
        painter.setFont(label.kind == LabelKind::constellation ? italic : label.kind == LabelKind::body ? bold : font);
        painter.setPen(label.kind == LabelKind::constellation ? ink.constellations : ink.labels);
        const QRectF box(label.box.left, label.box.top, label.box.width, label.box.height);
        painter.drawText(box, Qt::AlignCenter, qtText(label.text));
    }
}

}  // namespace

void paintSkyMap(QPainter& painter, const sky_map::SkyScene& scene, const SkyProjection& projection,
                 const SkyMapLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(look.font);
    const QColor sky(look.sky.red, look.sky.green, look.sky.blue);
    const Ink ink = inkFor(sky);
    paintBackground(painter, projection, sky);
    // No clip to the rim is needed: the scene holds only what stands above
    // the horizon, and the grid's lines end on it.
    if (look.grid) paintGrid(painter, projection, ink.grid);
    paintStars(painter, scene, ink);
    paintCardinalPoints(painter, projection, ink.labels);
    paintBodies(painter, scene, look);
    paintLabels(painter, scene, ink, look.font);
    painter.restore();
}

}  // namespace zenlith
