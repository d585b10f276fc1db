#include "application_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QSettings>
#include <QVBoxLayout>
#include <array>

#include "about_text.h"
#include "almanac_window.h"
#include "coming_window.h"
#include "events_window.h"
#include "sky_map_window.h"
#include "menu_entry.h"
#include "menu_keys_first.h"
#include "menu_texts.h"
#include "message_box.h"
#include "kept_settings.h"
#include "night_view.h"
#include "place_chooser.h"
#include "place_field.h"
#include "qt_text.h"
#include "window_geometry.h"

namespace zenlith {

namespace {

namespace texts = menu_texts;

struct StepEntry {
    StepUnit unit;
    const texts::StepTexts& words;
    QKeySequence forward;
    QKeySequence back;
};

// Alt with the arrows and paging keys, which the fields leave unused.
const std::array<StepEntry, 5> stepEntries{{
    {StepUnit::minute, texts::minuteStep, QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::ALT | Qt::Key_Left)},
    {StepUnit::hour, texts::hourStep, QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::ALT | Qt::Key_Down)},
    {StepUnit::day, texts::dayStep, QKeySequence(Qt::ALT | Qt::Key_PageUp), QKeySequence(Qt::ALT | Qt::Key_PageDown)},
    {StepUnit::month, texts::monthStep, QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_PageUp),
     QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_PageDown)},
    {StepUnit::year, texts::yearStep, QKeySequence(Qt::ALT | Qt::Key_Home), QKeySequence(Qt::ALT | Qt::Key_End)},
}};

constexpr auto playInterval = std::chrono::milliseconds(100);  // ten steps a second

const QString windowName = QStringLiteral("window");
const QString stepKey = QStringLiteral("time/playStep");
const QString modelKey = QStringLiteral("sky/preciseModel");
const QString nightKey = QStringLiteral("view/night");

// The place field over the form, which keeps its designed size below it.
QWidget* placeAbove(QWidget* placeField, QWidget* form) {
    auto* both = new QWidget;
    auto* column = new QVBoxLayout(both);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(placeField);
    column->addWidget(form);
    return both;
}

}  // namespace

ApplicationWindow::ApplicationWindow(MessageBox& messages, QSettings& settings, std::unique_ptr<Printer> printer,
                                     const ClockRules& clockRules, std::unique_ptr<Printer> pdfSaver)
    : messages_(messages), settings_(settings) {
    window_ = new MainWindow(messages, std::move(printer), clockRules, std::move(pdfSaver));
    places_ = new PlaceChooser(*window_, messages_, settings_, this);
    setCentralWidget(placeAbove(places_->field(), window_));
    connect(places_, &PlaceChooser::placeChosen, this, &ApplicationWindow::showPlaceInTitle);
    views_ = new ViewWindows({window_->document(), window_->printer(), window_->pdfSaver(), messages_}, settings_, this);
    setWindowTitle(window_->windowTitle());
    setWindowIcon(window_->windowIcon());
    menuBar()->setLayoutDirection(Qt::RightToLeft);  // Hebrew menus open from the right
    buildFileMenu();
    buildTimeMenu();
    places_->buildMenu(menuBar()->addMenu(qtText(texts::placeMenu)));
    buildViewMenu();
    buildHelpMenu();
    player_.setInterval(playInterval);
    connect(&player_, &QTimer::timeout, this, &ApplicationWindow::playOneStep);
    connect(&document(), &SkyDocument::modelRequested, this, &ApplicationWindow::showChosenModel);
    new MenuKeysFirst(*menuBar(), this);
    restoreSettings();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

ApplicationWindow::~ApplicationWindow() {
    setPlaying(false);
}

bool ApplicationWindow::startUp(const Clock& clock, std::chrono::milliseconds splashPause) {
    return window_->startUp(clock, splashPause, isNightView());
}

void ApplicationWindow::buildFileMenu() {
    QMenu* menu = menuBar()->addMenu(qtText(texts::fileMenu));
    connect(menuEntry(menu, texts::printParameters, QKeySequence::Print), &QAction::triggered, window_,
            [this] { window_->printParameterSheet(); });
    connect(menuEntry(menu, texts::printScreen, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)), &QAction::triggered,
            window_, [this] { window_->printWholeWindow(); });
    connect(menuEntry(menu, texts::saveParametersPdf), &QAction::triggered, window_,
            [this] { window_->saveParameterSheetAsPdf(); });
    connect(menuEntry(menu, texts::saveScreenPdf), &QAction::triggered, window_, [this] { window_->saveWholeWindowAsPdf(); });
    menu->addSeparator();
    connect(menuEntry(menu, texts::quit, QKeySequence::Quit), &QAction::triggered, this, &QWidget::close);
}

void ApplicationWindow::buildTimeMenu() {
    QMenu* menu = menuBar()->addMenu(qtText(texts::timeMenu));
    connect(menuEntry(menu, texts::now, QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, window_,
            [this] { window_->showNow(); });
    menu->addSeparator();
    addStepActions(menu);
    menu->addSeparator();
    connect(menuEntry(menu, texts::play, QKeySequence(Qt::Key_F8)), &QAction::triggered, this,
            [this] { setPlaying(!isPlaying()); });
    QMenu* steps = menu->addMenu(qtText(texts::playStep));
    playSteps_ = new QActionGroup(this);
    for (const StepEntry& entry : stepEntries) {
        QAction* choice = steps->addAction(qtText(entry.words.unit));
        choice->setCheckable(true);
        choice->setData(static_cast<int>(entry.unit));
        playSteps_->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, unit = entry.unit] { setPlayStep(unit); });
    }
}

void ApplicationWindow::addStepActions(QMenu* menu) {
    for (const StepEntry& entry : stepEntries) {
        connect(menuEntry(menu, entry.words.forward, entry.forward), &QAction::triggered, window_,
                [this, unit = entry.unit] { window_->step(unit, 1); });
        connect(menuEntry(menu, entry.words.back, entry.back), &QAction::triggered, window_,
                [this, unit = entry.unit] { window_->step(unit, -1); });
    }
}

void ApplicationWindow::buildViewMenu() {
    viewMenu_ = menuBar()->addMenu(qtText(texts::viewMenu));
    nightView_ = menuEntry(viewMenu_, texts::nightView, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    nightView_->setCheckable(true);
    connect(nightView_, &QAction::toggled, this, &ApplicationWindow::setNightView);
    viewMenu_->addSeparator();
    auto* models = new QActionGroup(this);
    classicModel_ = menuEntry(viewMenu_, texts::classicModel);
    preciseModel_ = menuEntry(viewMenu_, texts::preciseModel, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    for (QAction* choice : {classicModel_, preciseModel_}) {
        choice->setCheckable(true);
        models->addAction(choice);
    }
    connect(classicModel_, &QAction::triggered, this, [this] { emit document().modelRequested(ModelKind::classic); });
    connect(preciseModel_, &QAction::triggered, this, [this] { emit document().modelRequested(ModelKind::precise); });
    viewMenu_->addSeparator();
    views_->add(viewMenu_, texts::dayEvents, QKeySequence(Qt::CTRL | Qt::Key_E), eventsWindowName,
                [this](const ViewContext& context, QWidget* owner) -> QWidget* {
                    auto* events = new EventsWindow(context.document, settings_, context.printer, context.pdfSaver, owner);
                    events->setNightView(isNightView());
                    return events;
                });
    views_->add(viewMenu_, texts::monthTable, QKeySequence(Qt::CTRL | Qt::Key_L), almanacWindowName,
                [this](const ViewContext& context, QWidget* owner) -> QWidget* {
                    return new AlmanacWindow(context.document, settings_, context.printer, context.pdfSaver,
                                             context.messages, owner);
                });
    views_->add(viewMenu_, texts::comingEvents, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), comingWindowName,
                [](const ViewContext& context, QWidget* owner) -> QWidget* {
                    return new ComingWindow(context.document, context.printer, owner);
                });
    views_->add(viewMenu_, texts::skyMap, QKeySequence(Qt::Key_F9), skyMapWindowName,
                [this](const ViewContext& context, QWidget* owner) -> QWidget* {
                    auto* map = new SkyMapWindow(context.document, settings_, context.printer, context.messages, owner);
                    map->setNightView(isNightView());
                    return map;
                });
}

void ApplicationWindow::buildHelpMenu() {
    QMenu* menu = menuBar()->addMenu(qtText(texts::helpMenu));
    connect(menuEntry(menu, texts::keys), &QAction::triggered, this, &ApplicationWindow::showKeys);
    connect(menuEntry(menu, texts::about, QKeySequence::HelpContents), &QAction::triggered, this,
            [this] { messages_.show(aboutText(), texts::about); });
}

// Every entry that has keys, in menu order, read from the menus themselves.
void ApplicationWindow::showKeys() {
    QString list;
    for (QAction* top : menuBar()->actions()) {
        for (QAction* action : top->menu()->actions()) {
            if (action->shortcut().isEmpty()) continue;
            list += action->text() + QStringLiteral(" — ") + action->shortcut().toString(QKeySequence::NativeText) +
                    QLatin1Char('\n');
        }
    }
    messages_.show(list.trimmed().toStdString(), texts::keys);
}

// The caption alone at the original site, as designed; elsewhere the place too.
void ApplicationWindow::showPlaceInTitle(const Place& place) {
    QString title = window_->windowTitle();
    if (place != originalSite()) title += QStringLiteral(" — ") + placeName(place);
    setWindowTitle(title);
}

void ApplicationWindow::setPlayStep(StepUnit unit) {
    playStep_ = unit;
    for (QAction* choice : playSteps_->actions()) choice->setChecked(choice->data().toInt() == static_cast<int>(unit));
    if (!restoring_) keepValue(settings_, stepKey, static_cast<int>(unit), 0);
}

// While playing, the user's own typing, picking or pressing stops it; the
// menu bar is left alone so that its own entries can pause.
void ApplicationWindow::setPlaying(bool on) {
    if (on == isPlaying()) return;
    if (on) {
        qApp->installEventFilter(this);
        player_.start();
    } else {
        player_.stop();
        qApp->removeEventFilter(this);
    }
}

bool ApplicationWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool input = event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::Wheel;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (input && widget && centralWidget()->isAncestorOf(widget)) setPlaying(false);  // the place field too
    return QMainWindow::eventFilter(watched, event);
}

void ApplicationWindow::playOneStep() {
    if (!window_->step(playStep_, 1)) setPlaying(false);
}

// The form has chosen (and computed) already; the menu's tick and the
// settings follow whoever asked for the model.
void ApplicationWindow::showChosenModel(ModelKind kind) {
    (kind == ModelKind::precise ? preciseModel_ : classicModel_)->setChecked(true);
    if (!restoring_) keepValue(settings_, modelKey, kind == ModelKind::precise, false);
}

void ApplicationWindow::setNightView(bool on) {
    nightView_->setChecked(on);
    applyNightView(*centralWidget(), on);  // the place field and the form
    if (auto* map = static_cast<SkyMapWindow*>(views_->window(skyMapWindowName))) map->setNightView(on);
    if (auto* events = static_cast<EventsWindow*>(views_->window(eventsWindowName))) events->setNightView(on);
    if (!on) window_->showComputedColours();
    if (!restoring_) keepValue(settings_, nightKey, on, false);
}

bool ApplicationWindow::isNightView() const {
    return nightView_->isChecked();
}

// Reading the settings writes none of them back.
void ApplicationWindow::restoreSettings() {
    const QScopedValueRollback reading(restoring_, true);
    restoreWindowGeometry(*this, settings_, windowName);
    setPlayStep(static_cast<StepUnit>(std::clamp(settings_.value(stepKey, 0).toInt(), 0, 4)));
    emit document().modelRequested(readFlag(settings_, modelKey) ? ModelKind::precise : ModelKind::classic);
    if (readFlag(settings_, nightKey)) setNightView(true);
    places_->restore();
}

void ApplicationWindow::closeEvent(QCloseEvent* event) {
    setPlaying(false);
    saveWindowGeometry(*this, settings_, windowName);
    views_->saveGeometries();
    settings_.sync();
    QMainWindow::closeEvent(event);
}

}  // namespace zenlith
