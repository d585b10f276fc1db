// The day's events window following the real main window's document: it
// follows each computation, copies and prints what it shows.
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include "events_window.h"
#include "field_combo.h"
#include "window_fixture.h"

namespace {

class EventsWindowTest : public WindowTest {
protected:
    zenlith::EventsWindow* open() {
        if (!events) events = std::make_unique<zenlith::EventsWindow>(window->document(), *printer);
        events->show();
        return events.get();
    }
    std::unique_ptr<zenlith::EventsWindow> events;
    static void click(zenlith::EventsWindow* events, const char* label) {
        for (QPushButton* button : events->findChildren<QPushButton*>()) {
            if (button->text() == QString::fromUtf8(label)) QTest::mouseClick(button, Qt::LeftButton);
        }
    }
};

TEST_F(EventsWindowTest, FollowsTheComputedDateCopiesAndPrints) {
    startAt("02/10/2024", "12:00:00");
    pressCompute();
    zenlith::EventsWindow* events = open();
    ASSERT_NE(events, nullptr);
    EXPECT_TRUE(events->isVisible());
    EXPECT_FALSE(events->isModal());
    EXPECT_TRUE(events->text().contains(QStringLiteral("02.10.2024")));

    type(day(), QStringLiteral("03"));
    pressCompute();
    // Sunrise on 3 October 2024 at 32 N 35 E is 03:35 UT, 06:35 summer time.
    EXPECT_TRUE(events->text().contains(QStringLiteral("03.10.2024")));
    EXPECT_TRUE(events->text().contains(QStringLiteral("השמש: זריחה 06:35")));

    click(events, "העתקה");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), events->text());
    click(events, "הדפסה");
    ASSERT_EQ(printer->delivered.size(), 1U);
    QStringList printed;
    for (const zenlith::PrintItem& item : printer->delivered[0].items) {
        printed << std::get<zenlith::PrintedLine>(item).text;
        EXPECT_TRUE(std::get<zenlith::PrintedLine>(item).rightToLeft);
    }
    EXPECT_EQ(printed.join(QLatin1Char('\n')), events->text());

}

}  // namespace
