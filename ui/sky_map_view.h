#pragma once
// The sky map's canvas: lays the scene out for its size and paints it; in the
// disc, the wheel zooms about the pointer and a drag pans; pointing at a body
// or a star shows what it is, and a click asks for its details.
#include <QWidget>
#include <functional>
#include <optional>

#include "sky_map_painter.h"
#include "sky_scene.h"

namespace zenlith {

// Everything the scene is made of, besides the view's own size, zoom and pan.
struct SkyMapContent {
    std::span<const stars::HorizontalPlace> stars;  // the window keeps them
    SkyPlaces bodies;
    sky_map::SceneOptions options;
    SkyMapLook look;
};

class SkyMapView : public QWidget {
    Q_OBJECT

public:
    explicit SkyMapView(QWidget* parent = nullptr);

    void setProjection(sky_map::ProjectionKind kind);
    sky_map::ProjectionKind projectionKind() const { return kind_; }
    // Lays the scene out again; contents must stay alive while shown.
    void setContent(const SkyMapContent& content);
    // What the tooltip says of an object; set by the window.
    void setDescriber(std::function<QString(const sky_map::SceneObject&)> describe) { describe_ = std::move(describe); }

    void zoomBy(double factor, std::optional<QPointF> about = std::nullopt);
    void resetView();
    double zoom() const { return zoom_; }

    // The map at a size of its own, for saving and printing.
    void render(QPainter& painter, QSizeF size) const;
    const sky_map::SkyScene& scene() const { return scene_; }
    sky_map::SkyProjection projection() const { return projectionFor(QSizeF(size())); }

signals:
    void objectClicked(const zenlith::sky_map::SceneObject& object);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    sky_map::SkyProjection projectionFor(QSizeF size) const;
    sky_map::SkyScene layOut(const sky_map::SkyProjection& projection) const;
    void relayOut();

    sky_map::ProjectionKind kind_ = sky_map::ProjectionKind::disc;
    double zoom_ = 1;
    QPointF pan_;
    SkyMapContent content_;
    sky_map::SkyScene scene_;
    std::function<QString(const sky_map::SceneObject&)> describe_;
    std::optional<QPointF> pressedAt_;
    QPointF panAtPress_;
    bool dragged_ = false;
};

}  // namespace zenlith
