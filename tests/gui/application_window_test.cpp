// The top-level window through its keys and menus: Now, steps carried by the
// calendar, play, the settings kept in a temporary file, the About box.
#include <QCheckBox>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>
#include <array>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <cmath>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/stat.h>

#include "application_window.h"
#include "clock.h"
#include "events_window.h"
#include "field_combo.h"
#include "kept_settings.h"
#include "messages.h"
#include "pdf_file_name.h"
#include "recording_message_box.h"
#include "recording_printer.h"

namespace {

class ApplicationWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void open(const char* date, const char* time) {
        app.reset();
        settings = std::make_unique<QSettings>(dir.filePath(QStringLiteral("zenlith.ini")), QSettings::IniFormat);
        auto recording = std::make_unique<zenlith::test::RecordingPrinter>(zenlith::PrintStatus::printed);
        auto saving = std::make_unique<zenlith::test::RecordingPrinter>(zenlith::PrintStatus::printed);
        printer = recording.get();
        pdfSaver = saving.get();
        app = std::make_unique<zenlith::ApplicationWindow>(messages, *settings, std::move(recording),
                                                           zenlith::israelClockRules(), std::move(saving));
        ASSERT_TRUE(app->startUp(zenlith::FixedClock(date, time), std::chrono::milliseconds(0)));
        app->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.get()));
    }

    QString field(const char* name) const {
        QWidget* widget = app->findChild<QWidget*>(QString::fromLatin1(name));
        if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
        return qobject_cast<QLineEdit*>(widget)->text();
    }
    // year-month-day hour:minute as the fields hold them
    QString instant() const {
        return field("Text1") + '-' + field("Combo1") + '-' + field("Combo2") + ' ' + field("Combo3") + ':' +
               field("Combo4");
    }
    bool summer() const { return app->findChild<QCheckBox*>(QStringLiteral("Check4"))->isChecked(); }
    QString report() const { return app->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText(); }
    void keys(int key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(app.get(), static_cast<Qt::Key>(key), modifiers); }

    QTemporaryDir dir;
    RecordingMessageBox messages;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<zenlith::ApplicationWindow> app;
    zenlith::test::RecordingPrinter* printer = nullptr;
    zenlith::test::RecordingPrinter* pdfSaver = nullptr;
};

TEST_F(ApplicationWindowTest, StepsCarryThroughTheCalendarComputeAndFollowTheClockRules) {
    open("31/01/2024", "23:30:00");
    keys(Qt::Key_Up, Qt::AltModifier);  // an hour on
    EXPECT_EQ(instant(), "2024-2-1 0:30");
    EXPECT_FALSE(report().isEmpty());
    keys(Qt::Key_Down, Qt::AltModifier);
    keys(Qt::Key_PageUp, Qt::AltModifier | Qt::ShiftModifier);  // a month on from 31 January
    EXPECT_EQ(instant(), "2024-2-29 23:30");
    keys(Qt::Key_Home, Qt::AltModifier);  // a year on from 29 February
    EXPECT_EQ(instant(), "2025-2-28 23:30");
    keys(Qt::Key_PageUp, Qt::AltModifier);
    EXPECT_EQ(instant(), "2025-3-1 23:30");
    keys(Qt::Key_Right, Qt::AltModifier);
    keys(Qt::Key_Left, Qt::AltModifier);
    keys(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(instant(), "2025-3-1 23:29");
    EXPECT_TRUE(messages.shown.empty());
    // An hour is elapsed time across Israel's change of 26 October 2025 at
    // 02:00 (back to 01:00): the step takes the box and sets it. The clock's
    // own test steps across both changes.
    app->window().goTo({2025, 10, 26, 0, 30});
    const std::pair<const char*, bool> autumn[] = {{"2025-10-26 1:30", true}, {"2025-10-26 1:30", false},
                                                   {"2025-10-26 2:30", false}};
    for (const auto& [shown, onSummerTime] : autumn) {
        keys(Qt::Key_Up, Qt::AltModifier);
        EXPECT_EQ(instant(), shown);
        EXPECT_EQ(summer(), onSummerTime) << shown;
    }
}

TEST_F(ApplicationWindowTest, AStepBeyondTheFieldsRangeStopsAndSaysSo) {
    open("31/12/9998", "23:59:00");
    const QString before = instant();
    keys(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(instant(), before);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].prompt, zenlith::messages::stepBeyondRange);
}

TEST_F(ApplicationWindowTest, NowReturnsToTheClockAndComputes) {
    open("27/10/2024", "1:30:00");
    app->window().goTo({2024, 1, 1, 12, 0});
    EXPECT_FALSE(summer());
    keys(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(instant(), "2024-10-27 1:30");
    EXPECT_TRUE(summer());  // the repeated hour's first pass
    EXPECT_FALSE(report().isEmpty());
}

TEST_F(ApplicationWindowTest, PlayStepsUntilTheUserTypes) {
    open("05/03/2024", "7:04:09");
    keys(Qt::Key_F8, Qt::NoModifier);
    ASSERT_TRUE(app->isPlaying());
    QTest::qWait(450);
    EXPECT_GE(field("Combo4").toInt(), 6);
    auto* day = app->findChild<QWidget*>(QStringLiteral("Combo2"));
    day->setFocus();
    QTest::keyClick(day, Qt::Key_End);
    EXPECT_FALSE(app->isPlaying());
    const QString stopped = instant();
    QTest::qWait(250);
    EXPECT_EQ(instant(), stopped);
}

TEST_F(ApplicationWindowTest, SettingsAreKeptInTheGivenFileButNotTheDate) {
    open("05/03/2024", "7:04:09");
    EXPECT_FALSE(app->isNightView());
    keys(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    keys(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    app->findChild<QMenuBar*>()->actions()[1]->menu()->actions().last()->menu()->actions()[2]->trigger();  // play by days
    app->move(123, 45);
    keys(Qt::Key_E, Qt::ControlModifier);
    QWidget* events = app->views().window(zenlith::eventsWindowName);
    ASSERT_NE(events, nullptr);
    events->move(321, 54);
    app->close();
    open("06/07/2025", "8:00:00");
    keys(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(app->views().window(zenlith::eventsWindowName)->pos(), QPoint(321, 54));
    EXPECT_TRUE(app->isNightView());
    EXPECT_EQ(app->window().chosenModel(), zenlith::ModelKind::precise);
    EXPECT_EQ(app->playStep(), zenlith::StepUnit::day);
    EXPECT_EQ(app->pos(), QPoint(123, 45));
    EXPECT_EQ(instant(), "2025-07-06 8:00");
    keys(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(app->isNightView());
}

TEST_F(ApplicationWindowTest, PrintKeysPrintAndSavingAsPdfGoesToTheSaver) {
    open("05/03/2024", "7:04:09");
    keys(Qt::Key_N, Qt::ControlModifier);
    keys(Qt::Key_P, Qt::ControlModifier);
    keys(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(printer->delivered.size(), 2U);
    QMenu* file = app->menuBar()->actions()[0]->menu();
    file->actions()[2]->trigger();  // the parameters as PDF
    file->actions()[3]->trigger();  // the window as PDF
    ASSERT_EQ(pdfSaver->delivered.size(), 2U);
    EXPECT_TRUE(std::holds_alternative<QImage>(pdfSaver->delivered[1].items[0]));
}

// At night nothing but shades of red reaches the eye, and the application's
// palette, which menus, message boxes and the save dialog take, is red on black.
TEST_F(ApplicationWindowTest, TheNightViewIsRedOnBlackEverywhere) {
    open("21/06/2024", "12:00:00");
    keys(Qt::Key_N, Qt::ControlModifier);
    app->setNightView(true);
    QCoreApplication::processEvents();
    const QImage picture = app->grab().toImage();
    int reds = 0;
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            const QColor pixel = picture.pixelColor(x, y);
            ASSERT_EQ(pixel.green(), 0) << x << ',' << y;
            ASSERT_EQ(pixel.blue(), 0) << x << ',' << y;
            reds += pixel.red() > 0;
        }
    }
    EXPECT_GT(reds, 1000);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(QApplication::palette().color(QPalette::WindowText).green(), 0);
    app->setNightView(false);
}

// Play at night repaints the form ten times a second for hours: what a
// repaint leaves behind (the style's cached drawings under ever-new keys) must
// not add up. The heap in use after 300 steps stays where it was after 30.
TEST_F(ApplicationWindowTest, StepsAtNightLeaveTheHeapAsItWas) {
    if (mallinfo2().arena == 0) GTEST_SKIP() << "the allocator is replaced (a sanitizer build)";
    open("21/06/2024", "12:00:00");
    app->setNightView(true);
    const auto steps = [this](int count) {
        for (int i = 0; i < count; ++i) {
            keys(Qt::Key_Right, Qt::AltModifier);
            app->grab();
            QCoreApplication::processEvents();
        }
        return mallinfo2().uordblks;
    };
    const size_t warm = steps(30);
    const size_t after = steps(300);
    EXPECT_LT(after, warm + 256 * 1024) << "the heap grew by " << (after - warm) / 1024 << " KiB";
    app->setNightView(false);
}

TEST_F(ApplicationWindowTest, MenusReadRightToLeftAndAboutNamesWhatTheProgramRunsOn) {
    open("05/03/2024", "7:04:09");
    EXPECT_EQ(app->menuBar()->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(app->window().size(), QSize(769, 531));  // the designed window, untouched below the place field
    keys(Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(messages.shown.size(), 1U);
    const std::string& about = messages.shown[0].prompt;
    for (const std::string& part : {std::string(ZENLITH_VERSION), std::string(qVersion()), std::string("©")}) {
        EXPECT_NE(about.find(part), std::string::npos) << part;
    }
}

// Every menu key reaches its entry whichever widget holds the focus: a line
// edit's own Ctrl+E ("end of line") or a text box's keys must not win, and the
// keys work from the events window too.
TEST_F(ApplicationWindowTest, MenuKeysWorkFromEveryKindOfWidget) {
    open("05/03/2024", "7:04:09");
    keys(Qt::Key_N, Qt::ControlModifier);
    keys(Qt::Key_E, Qt::ControlModifier);
    QWidget* events = app->views().window(zenlith::eventsWindowName);
    ASSERT_NE(events, nullptr);
    const std::array<QWidget*, 6> focused{
        app->findChild<QWidget*>(QStringLiteral("Text1")),    // line edit
        app->findChild<QWidget*>(QStringLiteral("Combo4")),   // editable combo box
        app->findChild<QWidget*>(QStringLiteral("Check4")),   // check box
        app->findChild<QWidget*>(QStringLiteral("Command1")), // button
        app->findChild<QWidget*>(QStringLiteral("Text2")),    // read-only report
        events->findChild<QTableWidget*>(),                   // the events window's table
    };
    int minute = 4;
    for (QWidget* widget : focused) {
        ASSERT_NE(widget, nullptr);
        events->hide();
        widget->window()->show();
        widget->window()->activateWindow();
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_E, Qt::ControlModifier);
        EXPECT_TRUE(events->isVisible()) << widget->metaObject()->className();
        QTest::keyClick(widget, Qt::Key_Right, Qt::AltModifier);
        EXPECT_EQ(field("Combo4").toInt(), ++minute) << widget->metaObject()->className();
    }
}

// The model's key changes the sky at once: report, chart and events.
TEST_F(ApplicationWindowTest, TheModelKeyRecomputesAtOnce) {
    open("21/06/2024", "12:00:00");
    keys(Qt::Key_N, Qt::ControlModifier);
    keys(Qt::Key_E, Qt::ControlModifier);
    auto* events = qobject_cast<zenlith::EventsWindow*>(app->views().window(zenlith::eventsWindowName));
    ASSERT_NE(events, nullptr);
    const QString classicReport = report();
    const QString classicEvents = events->text();
    keys(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(app->document().state().model, zenlith::ModelKind::precise);
    EXPECT_NE(report(), classicReport);
    EXPECT_NE(events->text(), classicEvents);
}

// Leaving the night view shows the sky of the instant computed meanwhile, as
// computing it afresh does, not the one of the moment the view was entered.
TEST_F(ApplicationWindowTest, LeavingTheNightViewShowsTheComputedColours) {
    open("21/06/2024", "12:00:00");
    keys(Qt::Key_N, Qt::ControlModifier);
    const QWidget* chart = app->findChild<QWidget*>(QStringLiteral("Frame5"));
    const QColor noon = chart->palette().color(QPalette::Window);
    app->setNightView(true);
    app->window().goTo({2024, 6, 21, 22, 0});
    app->window().computeSky();
    app->setNightView(false);
    const QColor left = chart->palette().color(QPalette::Window);
    app->window().computeSky();
    EXPECT_EQ(left, chart->palette().color(QPalette::Window));
    EXPECT_NE(left, noon);
}

// A damaged value never switches a feature on, a start that changes nothing
// leaves the file as it was, and a window left off every screen comes back
// onto one.
TEST_F(ApplicationWindowTest, SettingsAreReadStrictlyAndWrittenOnlyOnChange) {
    struct Case {
        const char* kept;
        bool night;
        zenlith::ModelKind model;
    };
    const std::array<Case, 4> cases{{
        {"[sky]\npreciseModel=banana\n[view]\nnight=yes\n", false, zenlith::ModelKind::classic},
        {"[sky]\npreciseModel=1\n[view]\nnight=\n", false, zenlith::ModelKind::classic},
        {"[sky]\npreciseModel=true\n[view]\nnight=true\n", true, zenlith::ModelKind::precise},
        {"", false, zenlith::ModelKind::classic},
    }};
    const QString path = dir.filePath(QStringLiteral("zenlith.ini"));
    for (const Case& entry : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(entry.kept);
        file.close();
        open("05/03/2024", "7:04:09");
        EXPECT_EQ(app->isNightView(), entry.night) << entry.kept;
        EXPECT_EQ(app->window().chosenModel(), entry.model) << entry.kept;
        app.reset();
        settings.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
        QFile again(path);
        ASSERT_TRUE(again.open(QIODevice::ReadOnly));
        EXPECT_EQ(again.readAll(), QByteArray(entry.kept));
    }
    open("05/03/2024", "7:04:09");
    app->move(40000, 40000);
    app->close();
    open("05/03/2024", "7:04:09");
    EXPECT_TRUE(app->screen()->availableGeometry().intersects(app->frameGeometry())) << app->frameGeometry().x();
}

// A settings file that is no regular file would block the start (a FIFO) or
// be replaced (a device): it is treated as absent and left alone.
TEST_F(ApplicationWindowTest, ASettingsFileThatIsNoRegularFileIsLeftAlone) {
    const QString fifo = dir.filePath(QStringLiteral("fifo.conf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::unique_ptr<QSettings> kept = zenlith::openKeptSettings(fifo);
    EXPECT_FALSE(kept->value(QStringLiteral("sky/preciseModel")).isValid());
    kept->setValue(QStringLiteral("view/night"), true);
    kept->sync();
    EXPECT_NE(kept->fileName(), fifo);
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

// A place typed into the place field, by name in either language, picked
// from the suggestions, or as coordinates: the title, the offset beside the
// box and the sky follow; a wrong text is refused with the accepted forms;
// the place is kept for the next start. Expected altitudes are the Sun's at
// the place's noon from its latitude and the Sun's declination (about -23.4°
// on 21 December): 90° - |latitude - declination|, within a degree.
TEST_F(ApplicationWindowTest, APlaceTypedOrPickedMovesTheSkyAndItsClock) {
    struct Case {
        const char* typed;
        bool pickFirstSuggestion;
        const char* title;       // what the title bar adds; empty where the place is refused
        const char* offset;      // beside the summer-time box, for 21 December
        bool boxEnabled;
        double noonSunAltitude;  // degrees; NaN where the place is refused
        const char* refusal;     // the start of the message
    };
    const double none = std::nan("");
    const std::array<Case, 7> cases{{
        {"ניו יו", true, "ניו יורק", "UTC-5", true, 90 - (40.71 + 23.44), nullptr},
        {"eilat", false, "אילת", "UTC+2", true, 90 - (29.56 + 23.44), nullptr},
        {"64.1466, -21.9426", false, "64.1466° צפון, 21.9426° מערב", "UTC+0", false, 90 - (64.15 + 23.44), nullptr},
        {"33°50′S 151°12′E, 0, Australia/Sydney", false, "33.8333° דרום, 151.2° מזרח", "UTC+11", true,
         90 - (33.83 - 23.44), nullptr},
        {"91, 35", false, "", "", true, none, "קו הרוחב"},
        {"xyzzy", false, "", "", true, none, "אין מקום בשם זה"},
        {"31.7683, 35.2137, 0, Mars/Olympus", false, "", "", true, none, "אזור הזמן של המקום"},
    }};
    for (const Case& entry : cases) {
        open("21/12/2026", "12:00:00");
        messages.shown.clear();
        auto* place = app->findChild<QLineEdit*>(QStringLiteral("placeField"));
        keys(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_TRUE(place->hasFocus());
        for (const QChar letter : QString::fromUtf8(entry.typed)) {  // keyClicks knows only ASCII
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(place, &press);
        }
        if (entry.pickFirstSuggestion) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        if (entry.refusal) {
            ASSERT_EQ(messages.shown.size(), 1U) << entry.typed;
            EXPECT_TRUE(messages.shown[0].prompt.starts_with(entry.refusal)) << messages.shown[0].prompt;
            const bool textRefused = entry.refusal != std::string_view("אזור הזמן של המקום");
            EXPECT_EQ(messages.shown[0].prompt.find("31°46′N 35°13′E") != std::string::npos, textRefused) << entry.typed;
            EXPECT_EQ(app->document().state().place, zenlith::originalSite());
            continue;
        }
        EXPECT_TRUE(messages.shown.empty()) << entry.typed << ": " << messages.shown.front().prompt;
        EXPECT_EQ(app->windowTitle(), QStringLiteral("Zenlith — ") + QString::fromUtf8(entry.title));
        EXPECT_EQ(app->findChild<QLabel*>(QStringLiteral("utcOffset"))->text(), QString::fromLatin1(entry.offset));
        EXPECT_EQ(app->findChild<QCheckBox*>(QStringLiteral("Check4"))->isEnabled(), entry.boxEnabled);
        // Noon on the place's clock is within an hour of its true noon here
        // (Sydney keeps summer time), which lowers the Sun by less than 6°.
        keys(Qt::Key_N, Qt::ControlModifier);
        const QRegularExpressionMatch sun = QRegularExpression(QStringLiteral("Alt = (-?[0-9.]+)")).match(report());
        ASSERT_TRUE(sun.hasMatch()) << report().toStdString();
        EXPECT_NEAR(sun.captured(1).toDouble(), entry.noonSunAltitude, 6) << entry.typed;
        app.reset();
        settings.reset();
        open("21/12/2026", "12:00:00");  // the place is kept
        EXPECT_EQ(app->windowTitle(), QStringLiteral("Zenlith — ") + QString::fromUtf8(entry.title));
        QFile::remove(dir.filePath(QStringLiteral("zenlith.ini")));
    }
}

TEST(PdfFileName, SaysWhatAndWhen) {
    struct Case {
        std::optional<zenlith::CivilDateTime> shown;
        const char* name;
    };
    const std::array<Case, 3> cases{{
        {zenlith::CivilDateTime{2024, 6, 21, 12, 0}, "zenlith-2024-06-21-1200.pdf"},
        {zenlith::CivilDateTime{-44, 3, 15, 9, 5}, "zenlith--0044-03-15-0905.pdf"},
        {std::nullopt, "zenlith.pdf"},
    }};
    for (const Case& entry : cases) EXPECT_EQ(zenlith::pdfFileNameFor(entry.shown), QString::fromLatin1(entry.name));
}

}  // namespace
