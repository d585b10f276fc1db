#include "sky_map_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zenlith {

namespace {

constexpr double largestZoom = 40;
constexpr double dragPixels = 4;  // a press that moves less is a click

}  // namespace

SkyMapView::SkyMapView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SkyMapView"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 160);
    // The sky reads as one sees it, whatever the window's direction.
    setLayoutDirection(Qt::LeftToRight);
}

void SkyMapView::setProjection(sky_map::ProjectionKind kind) {
    kind_ = kind;
    relayOut();
}

void SkyMapView::setContent(const SkyMapContent& content) {
    content_ = content;
    relayOut();
}

sky_map::SkyProjection SkyMapView::projectionFor(QSizeF size) const {
    if (kind_ == sky_map::ProjectionKind::horizonStrip) return sky_map::SkyProjection::strip(size.width(), size.height());
    // Pan is kept in pixels of the widget; an image of another size pans in proportion.
    const double scale = width() > 0 ? size.width() / width() : 1;
    return sky_map::SkyProjection::disc(size.width(), size.height(), zoom_, {pan_.x() * scale, pan_.y() * scale});
}

sky_map::SkyScene SkyMapView::layOut(const sky_map::SkyProjection& projection) const {
    if (content_.stars.empty()) return {};
    sky_map::SceneOptions options = content_.options;
    const QFontMetricsF metrics(content_.look.font);
    options.textWidth = [metrics](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    options.textHeight = metrics.height();
    return sky_map::composeScene(projection, content_.stars, content_.bodies, options);
}

void SkyMapView::relayOut() {
    scene_ = layOut(projectionFor(QSizeF(size())));
    update();
}

void SkyMapView::zoomBy(double factor, std::optional<QPointF> about) {
    if (kind_ != sky_map::ProjectionKind::disc) return;
    const double zoom = std::clamp(zoom_ * factor, 1.0, largestZoom);
    // The sky under the pointer (or the view's centre) stays where it is.
    const QPointF centre(width() / 2.0, height() / 2.0);
    const QPointF fixed = about.value_or(centre) - centre;
    pan_ = fixed - (fixed - pan_) * (zoom / zoom_);
    zoom_ = zoom;
    if (zoom_ == 1) pan_ = {};
    relayOut();
}

void SkyMapView::resetView() {
    zoom_ = 1;
    pan_ = {};
    relayOut();
}

void SkyMapView::render(QPainter& painter, QSizeF size) const {
    const sky_map::SkyProjection projection = projectionFor(size);
    paintSkyMap(painter, layOut(projection), projection, content_.look);
}

void SkyMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSkyMap(painter, scene_, projectionFor(QSizeF(size())), content_.look);
}

void SkyMapView::resizeEvent(QResizeEvent*) { relayOut(); }

bool SkyMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const auto object = sky_map::objectAt(scene_, {help->pos().x() * 1.0, help->pos().y() * 1.0}, content_.options);
        if (object && describe_) {
            QToolTip::showText(help->globalPos(), describe_(*object), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void SkyMapView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) zoomBy(std::pow(1.25, notches), event->position());
    event->accept();
}

void SkyMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressedAt_ = event->position();
    panAtPress_ = pan_;
    dragged_ = false;
}

void SkyMapView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt_) return;
    const QPointF moved = event->position() - *pressedAt_;
    if (!dragged_ && moved.manhattanLength() < dragPixels) return;
    dragged_ = true;
    if (kind_ == sky_map::ProjectionKind::disc && zoom_ > 1) {
        pan_ = panAtPress_ + moved;
        relayOut();
    }
}

void SkyMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_) return;
    pressedAt_.reset();
    if (dragged_) return;
    const auto object = sky_map::objectAt(scene_, {event->position().x(), event->position().y()}, content_.options);
    if (object) emit objectClicked(*object);
}

}  // namespace zenlith
