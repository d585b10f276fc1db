// zenlith-screenshot OUTDIR: pictures for review and for the README: the
// window after two fixed computations (a day with the Sun up, a night with
// the Moon up), the same night in the night view, the time menu open, the
// day's events by day and by night and their printed page, the month's table
// by day and by night and its printed page,
// the About box, the splash, and the sky map by day, in twilight, at night,
// in the night view and zoomed. Run it on the offscreen platform; settings go
// to a temporary file, never the user's.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <iostream>
#include <string_view>

#include "about_text.h"
#include "almanac_window.h"
#include "document_printer.h"
#include "application_setup.h"
#include "application_window.h"
#include "coming_window.h"
#include "events_window.h"
#include "zone_clock_rules.h"
#include "night_view.h"
#include "sky_map_window.h"
#include "summer_time.h"
#include "clock.h"
#include "menu_texts.h"
#include "message_box.h"
#include "qt_text.h"
#include "splash_window.h"

namespace {

// A picture tool must never wait for a button; messages go to the log.
class LoggedMessages : public zenlith::MessageBox {
public:
    void show(std::string_view prompt, std::string_view title) override {
        std::cerr << title << ": " << prompt << '\n';
    }
};

// Keeps the printed page's picture instead of printing it.
class PageKeeper : public zenlith::DocumentPrinter {
public:
    zenlith::PrintStatus deliver(const zenlith::PrintDocument& document) override {
        for (const zenlith::PrintItem& item : document.items) {
            if (const auto* picture = std::get_if<QImage>(&item)) image = *picture;
        }
        return zenlith::PrintStatus::printed;
    }
    QImage image;
};

// Nothing is printed while pictures are taken.
class NoPrinter : public zenlith::Printer {
public:
    void setFontSize(int) override {}
    void setLandscape(bool) override {}
    void setRightToLeft(bool) override {}
    void printLine(const QString&) override {}
    void printImage(const QImage&) override {}
    zenlith::PrintStatus endDocument() override { return zenlith::PrintStatus::noPrinter; }
};

struct Instant {
    const char* date;
    const char* time;
};

class Pictures {
public:
    explicit Pictures(const QDir& folder) : folder_(folder) {}

    bool computedWindow(const char* file, const Instant& instant, bool night) {
        auto app = open(instant);
        app->setNightView(night);
        QApplication::processEvents();
        const bool saved = save(app->grab(), file);
        app->setNightView(false);
        return saved;
    }

    // The menu is a window of its own: it is drawn onto the window's picture
    // where it opens.
    bool menuOpen(const char* file, const Instant& instant) {
        auto app = open(instant);
        QAction* time = app->menuBar()->actions()[1];
        app->menuBar()->setActiveAction(time);
        QMenu* menu = time->menu();
        QPixmap picture = app->grab();
        QPainter painter(&picture);
        painter.drawPixmap(app->mapFromGlobal(menu->pos()), menu->grab());
        painter.end();
        menu->hide();
        return save(picture, file);
    }

    // The day's table with its halachic times, in the day or the night view, and the page it prints.
    bool dayEvents(const char* file, const Instant& instant, bool night) {
        auto app = open(instant);
        auto* events = static_cast<zenlith::EventsWindow*>(app->views().open(zenlith::eventsWindowName));
        events->setZmanimShown(true);
        app->setNightView(night);
        QApplication::processEvents();
        const bool saved = save(events->grab(), file);
        app->setNightView(false);
        return saved;
    }

    bool dayEventsPage(const char* file, const Instant& instant) {
        auto app = open(instant);
        auto* events = static_cast<zenlith::EventsWindow*>(app->views().open(zenlith::eventsWindowName));
        events->setZmanimShown(true);
        PageKeeper page;
        events->print(page);
        return page.image.save(folder_.filePath(QString::fromLatin1(file)));
    }

    // The month's table with its halachic times in the day or the night view,
    // and the page it prints.
    bool monthTable(const char* file, const Instant& instant, bool night) {
        auto app = open(instant);
        auto* month = static_cast<zenlith::AlmanacWindow*>(app->views().open(zenlith::almanacWindowName));
        month->setZmanimShown(true);
        month->resize(1900, 980);
        app->setNightView(night);
        QApplication::processEvents();
        const bool saved = save(month->grab(), file);
        app->setNightView(false);
        return saved;
    }

    bool monthPage(const char* file, const Instant& instant) {
        auto app = open(instant);
        auto* month = static_cast<zenlith::AlmanacWindow*>(app->views().open(zenlith::almanacWindowName));
        month->setZmanimShown(true);
        PageKeeper page;
        month->print(page);
        return page.image.save(folder_.filePath(QString::fromLatin1(file)));
    }

    // A year of coming events from a computed instant (universal time).
    bool comingEvents(const char* file, double julianDate) {
        const zenlith::ClockRules& rules = zenlith::israelClockRules();
        zenlith::SkyDocument document(rules);
        zenlith::SkyState state;
        state.instant = julianDate;
        document.setComputed(state);
        NoPrinter printer;
        zenlith::ComingWindow window(document, printer);
        window.show();
        QApplication::processEvents();
        return save(window.grab(), file);
    }

    // The sky map on a document of its own, at a civil time of the site.
    bool skyMap(const char* file, const zenlith::CivilDateTime& local, bool disc, bool night, double zoom) {
        const zenlith::ClockRules& rules = zenlith::israelClockRules();
        zenlith::SkyDocument document(rules);
        zenlith::SkyState state;
        state.entered = local;
        state.instant = zenlith::universalTimeOf(rules, local);
        document.setComputed(state);
        NoPrinter printer;
        settings_.setValue(QStringLiteral("skyMap/disc"), disc);
        zenlith::SkyMapWindow window(document, settings_, printer, messages_);
        window.resize(1100, 760);
        window.show();
        if (zoom > 1) window.view().zoomBy(zoom, QPointF(window.view().width() * 0.62, window.view().height() * 0.62));
        zenlith::applyNightView(window, night);
        QApplication::processEvents();
        const bool saved = save(window.grab(), file);
        zenlith::applyNightView(window, false);
        return saved;
    }

    bool about(const char* file) {
        QMessageBox box(QMessageBox::NoIcon, zenlith::qtText(zenlith::menu_texts::about),
                        zenlith::qtText(zenlith::aboutText()), QMessageBox::Ok);
        box.setLayoutDirection(Qt::RightToLeft);
        box.show();
        return save(box.grab(), file);
    }

    bool splash(const char* file) {
        zenlith::SplashWindow window;
        window.show();
        return save(window.grab(), file);
    }

private:
    std::unique_ptr<zenlith::ApplicationWindow> open(const Instant& instant) {
        auto app = std::make_unique<zenlith::ApplicationWindow>(messages_, settings_);
        app->startUp(zenlith::FixedClock(instant.date, instant.time), std::chrono::milliseconds(0));
        app->show();
        app->window().computeSky();
        return app;
    }

    bool save(const QPixmap& picture, const char* file) const {
        return picture.save(folder_.filePath(QString::fromLatin1(file)));
    }

    QDir folder_;
    LoggedMessages messages_;
    QTemporaryDir settingsFolder_;
    QSettings settings_{settingsFolder_.filePath(QStringLiteral("zenlith.ini")), QSettings::IniFormat};
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: zenlith-screenshot OUTDIR\n";
        return 2;
    }
    zenlith::prepareApplication(application);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    Pictures pictures(folder);
    const Instant day{"21/06/2024", "12:00:00"};
    const Instant night{"22/06/2024", "23:30:00"};
    const bool saved = pictures.computedWindow("main-day.png", day, false) &&
                       pictures.computedWindow("main-night.png", night, false) &&
                       pictures.computedWindow("night-view.png", night, true) && pictures.menuOpen("menu.png", night) &&
                       pictures.dayEvents("day-events.png", day, false) &&
                       pictures.dayEvents("day-events-night.png", day, true) &&
                       pictures.dayEventsPage("day-events-printed.png", day) &&
                       pictures.monthTable("month-table.png", day, false) &&
                       pictures.monthTable("month-table-night.png", day, true) &&
                       pictures.monthPage("month-printed.png", day) &&
                                              pictures.comingEvents("coming-events.png", 2461100.5) &&  // 2026-03-01 0h UT
                       pictures.about("about.png") && pictures.splash("splash.png") &&
                       pictures.skyMap("sky-map-day.png", {2024, 6, 21, 12, 0}, true, false, 1) &&
                       pictures.skyMap("sky-map-twilight.png", {2026, 12, 7, 17, 15}, false, false, 1) &&
                       pictures.skyMap("sky-map-night.png", {2026, 12, 7, 22, 0}, true, false, 1) &&
                       pictures.skyMap("sky-map-night-view.png", {2026, 12, 7, 22, 0}, true, true, 1) &&
                       pictures.skyMap("sky-map-zoomed.png", {2026, 12, 7, 22, 0}, true, false, 3);
    return saved ? 0 : 1;
}
