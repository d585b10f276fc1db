#include "sky_map_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QShortcut>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <cmath>

#include "body_names.h"
#include "body_pictures.h"
#include "day_sheet_text.h"
#include "menu_texts.h"
#include "message_box.h"
#include "kept_settings.h"
#include "moon_shading.h"
#include "night_view.h"
#include "object_text.h"
#include "picture.h"
#include "qt_text.h"
#include "star_catalogue.h"
#include "star_events.h"

namespace zenlith {

namespace {

constexpr std::string_view title = menu_texts::skyMap;
constexpr std::string_view saveProblem = "לא ניתן לשמור את התמונה בקובץ זה. בחרו קובץ אחר.";
constexpr std::string_view noEvents = "אין אירועים ליום זה במודל שנבחר";

const QString projectionKey = QStringLiteral("skyMap/disc");
const QString gridKey = QStringLiteral("skyMap/grid");
const QString figuresKey = QStringLiteral("skyMap/figures");
const QString constellationNamesKey = QStringLiteral("skyMap/constellationNames");
const QString starNamesKey = QStringLiteral("skyMap/starNames");
const QString magnitudeKey = QStringLiteral("skyMap/magnitudeLimit");

const QSize printSize(1600, 1000);
constexpr double defaultMagnitudeLimit = 6;

QCheckBox* toggle(QWidget* parent, std::string_view text, QHBoxLayout* row) {
    auto* box = new QCheckBox(qtText(text), parent);
    box->setChecked(true);
    row->addWidget(box);
    return box;
}

// The program's pictures for the bodies, in BodyIndex order.
std::string_view pictureOf(int body) {
    constexpr std::array<std::string_view, bodyCount> names = {"sun",     "mercury", "venus",   "mars",      "jupiter",
                                                               "saturn",  "uranus",  "neptune", "moon_small"};
    return names[static_cast<std::size_t>(body)];
}

}  // namespace

SkyMapWindow::SkyMapWindow(const SkyDocument& document, QSettings& settings, Printer& printer, MessageBox& messages,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), settings_(settings), printer_(printer), messages_(messages) {
    setObjectName(QStringLiteral("SkyMapWindow"));
    setWindowTitle(qtText(title));
    setLayoutDirection(Qt::RightToLeft);
    // The night view paints over what the window itself fills.
    setAutoFillBackground(true);
    view_ = new SkyMapView(this);
    view_->setAccessibleName(qtText(title));
    view_->setDescriber([this](const sky_map::SceneObject& object) { return tooltip(object); });
    buildControls();
    connect(view_, &SkyMapView::objectClicked, this,
            [this](const sky_map::SceneObject& object) { messages_.show(details(object).toStdString(), title); });
    connect(&document_, &SkyDocument::stateChanged, this, &SkyMapWindow::follow);
    resize(1000, 700);
    restoreSettings();
    follow();
}

void SkyMapWindow::buildControls() {
    auto* row = new QHBoxLayout;
    projection_ = new QComboBox(this);
    projection_->addItems({qtText("כיפת השמיים"), qtText("רצועת האופק")});
    projection_->setAccessibleName(qtText("הטלה"));
    row->addWidget(projection_);
    grid_ = toggle(this, "רשת", row);
    figures_ = toggle(this, "קווי קבוצות", row);
    constellationNames_ = toggle(this, "שמות קבוצות", row);
    starNames_ = toggle(this, "שמות כוכבים", row);
    row->addWidget(new QLabel(qtText("עד בהירות"), this));
    magnitudeLimit_ = new QDoubleSpinBox(this);
    magnitudeLimit_->setRange(-1, 8);
    magnitudeLimit_->setSingleStep(0.5);
    magnitudeLimit_->setDecimals(1);
    magnitudeLimit_->setValue(defaultMagnitudeLimit);
    magnitudeLimit_->setAccessibleName(qtText("עד בהירות"));
    row->addWidget(magnitudeLimit_);
    row->addStretch();
    auto* save = new QPushButton(qtText("שמירת תמונה"), this);
    auto* print = new QPushButton(qtText("הדפסה"), this);
    row->addWidget(save);
    row->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(view_, 1);

    connect(projection_, &QComboBox::currentIndexChanged, this, [this](int index) {
        view_->setProjection(index == 0 ? sky_map::ProjectionKind::disc : sky_map::ProjectionKind::horizonStrip);
        saveSettings();
    });
    for (QCheckBox* box : {grid_, figures_, constellationNames_, starNames_}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            refreshContent();
            saveSettings();
        });
    }
    connect(magnitudeLimit_, &QDoubleSpinBox::valueChanged, this, [this] {
        refreshContent();
        saveSettings();
    });
    connect(save, &QPushButton::clicked, this, &SkyMapWindow::chooseFileAndSave);
    connect(print, &QPushButton::clicked, this, &SkyMapWindow::print);
    // Keys of the window's own: no field here takes them.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { view_->zoomBy(1.25); });
    }
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), this), &QShortcut::activated, this,
            [this] { view_->zoomBy(0.8); });
    connect(new QShortcut(QKeySequence(Qt::Key_Home), this), &QShortcut::activated, view_, &SkyMapView::resetView);
}

void SkyMapWindow::restoreSettings() {
    const QSignalBlocker blockers[] = {QSignalBlocker(projection_), QSignalBlocker(grid_), QSignalBlocker(figures_),
                                       QSignalBlocker(constellationNames_), QSignalBlocker(starNames_),
                                       QSignalBlocker(magnitudeLimit_)};
    const bool disc = settings_.value(projectionKey, true).toBool();
    projection_->setCurrentIndex(disc ? 0 : 1);
    view_->setProjection(disc ? sky_map::ProjectionKind::disc : sky_map::ProjectionKind::horizonStrip);
    grid_->setChecked(settings_.value(gridKey, true).toBool());
    figures_->setChecked(settings_.value(figuresKey, true).toBool());
    constellationNames_->setChecked(settings_.value(constellationNamesKey, true).toBool());
    starNames_->setChecked(settings_.value(starNamesKey, true).toBool());
    // A damaged value leaves the default.
    bool read = false;
    const double limit = settings_.value(magnitudeKey, defaultMagnitudeLimit).toDouble(&read);
    magnitudeLimit_->setValue(read && std::isfinite(limit) ? limit : defaultMagnitudeLimit);
}

void SkyMapWindow::saveSettings() {
    keepValue(settings_, projectionKey, projection_->currentIndex() == 0, true);
    keepValue(settings_, gridKey, grid_->isChecked(), true);
    keepValue(settings_, figuresKey, figures_->isChecked(), true);
    keepValue(settings_, constellationNamesKey, constellationNames_->isChecked(), true);
    keepValue(settings_, starNamesKey, starNames_->isChecked(), true);
    keepValue(settings_, magnitudeKey, magnitudeLimit_->value(), defaultMagnitudeLimit);
}

void SkyMapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    follow();
}

void SkyMapWindow::setNightView(bool on) { applyNightView(*this, on); }

// A hidden window does no work; it catches up when it is shown.
void SkyMapWindow::follow() {
    if (!isVisible()) return;
    const SkyState& state = document_.state();
    SkyModel& model = state.model == ModelKind::precise ? static_cast<SkyModel&>(precise_) : classic_;
    placed_ = state.instant && model.covers(*state.instant);
    if (placed_) {
        bodies_ = model.placesAt(*state.instant);
        stars_.moveTo(*state.instant, state.place);
    }
    refreshContent();
}

void SkyMapWindow::refreshContent() {
    SkyMapContent content;
    content.options.magnitudeLimit = magnitudeLimit_->value();
    content.options.figures = figures_->isChecked();
    content.options.constellationNames = constellationNames_->isChecked();
    content.options.starNames = starNames_->isChecked();
    content.look.grid = grid_->isChecked();
    content.look.font = font();
    if (placed_) {
        content.stars = stars_.horizontal();
        content.bodies = bodies_;
        content.look.sky = skyColourFor(bodies_.bodies[sunIndex].Alt);
        const qreal ratio = devicePixelRatioF();
        for (int body = 0; body < bodyCount; ++body) {
            QPixmap& picture = content.look.pictures[static_cast<std::size_t>(body)];
            picture = loadPicture(pictureOf(body), ratio);
            const QSizeF size = picture.deviceIndependentSize();
            content.options.bodySizes[static_cast<std::size_t>(body)] = {size.width(), size.height()};
        }
        if (const auto phase = moonPhaseFor(bodies_.moon.age, document_.state().moonIllumination)) {
            QPixmap& moon = content.look.pictures[moonIndex];
            moon = shadedCopy(moon, *phase);
        }
    }
    view_->setContent(content);
}

QString SkyMapWindow::tooltip(const sky_map::SceneObject& object) const {
    if (object.bodyIndex) {
        const int body = *object.bodyIndex;
        const BodyPlace& b = bodies_.bodies[static_cast<std::size_t>(body)];
        const bool planet = body >= firstPlanet && body <= lastPlanet;
        return qtText(sky_map::objectTooltip({bodyHebrewNames[static_cast<std::size_t>(body)], b.Az, b.Alt, b.Ra,
                                              b.Decl, planet ? std::optional<double>(b.Mag) : std::nullopt}));
    }
    const std::size_t i = *object.catalogueIndex;
    const std::string name = sky_map::starName(i);
    const stars::EquatorialPlace apparent = stars_.apparent(i);
    const stars::HorizontalPlace seen = stars_.horizontal()[i];
    return qtText(sky_map::objectTooltip({name, seen.azimuthDegrees, seen.altitudeDegrees, apparent.raDegrees,
                                          apparent.declDegrees, stars::catalogueStars()[i].magnitude}));
}

QString SkyMapWindow::details(const sky_map::SceneObject& object) {
    const SkyState& state = document_.state();
    const std::string name = object.bodyIndex ? std::string(bodyHebrewNames[static_cast<std::size_t>(*object.bodyIndex)])
                                              : sky_map::starName(*object.catalogueIndex);
    std::optional<DaySheet> sheet;
    if (state.entered) {
        sheet = days_.sheetFor(state.model, document_.clockRules(), state.entered->year, state.entered->month,
                               state.entered->day);
    }
    if (!sheet) return qtText(name + "\n" + std::string(noEvents));
    const BodyEvents events = object.bodyIndex
                                  ? sheet->events.bodies[static_cast<std::size_t>(*object.bodyIndex)]
                                  : sky_map::starEvents(stars_.apparent(*object.catalogueIndex), state.place, sheet->span);
    return qtText(horizonEventsLine(name, events, document_.clockRules(), sheet->span));
}

QImage SkyMapWindow::image(QSize size) const {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    view_->render(painter, QSizeF(size));
    return picture;
}

bool SkyMapWindow::writeImage(QIODevice& file, const QString& suffix) const {
    const QSize size = view_->size();
    QPainter painter;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(qtText(title));
        if (!painter.begin(&svg)) return false;
        view_->render(painter, QSizeF(size));
        return painter.end();
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setTitle(qtText(title));
        pdf.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (!painter.begin(&pdf)) return false;
        const QRect page = painter.viewport();
        const double scale = std::min(page.width() / double(size.width()), page.height() / double(size.height()));
        painter.scale(scale, scale);
        view_->render(painter, QSizeF(size));
        return painter.end();
    }
    return image(size).save(&file, "PNG");
}

// Written beside the file and put in its place only when whole, so a failed
// save leaves the old file as it was.
bool SkyMapWindow::saveAs(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!writeImage(file, QFileInfo(path).suffix().toLower())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SkyMapWindow::chooseFileAndSave() {
    QString path = QFileDialog::getSaveFileName(this, qtText("שמירת מפת השמיים"), QString(),
                                                QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"));
    if (path.isEmpty()) return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("pdf")) {
        path += QStringLiteral(".png");
    }
    if (!saveAs(path)) messages_.show(saveProblem, title);
}

void SkyMapWindow::print() {
    printer_.printImage(image(printSize));
    printer_.endDocument();
}

}  // namespace zenlith
